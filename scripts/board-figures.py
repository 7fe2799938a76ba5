#!/usr/bin/python3
"""The class board's figures, against a real orvanta-server and a real
headless Chromium (the browser tests' helpers, tests/quadro/):

  board-figures.py --bin build/bin screenshot docs/board.png
      a class of 25 records (one a mismatch, one unverified) on the board,
      as a projector shows it, written as a PNG;
  board-figures.py --bin build/bin measure [--records 1000] [--loads 5]
      the board's first paint with that many records: the time from the
      navigation's start until the table, then the chart, are painted, and
      the bytes transferred (the page, its files, its data and its chart);
      the first load in a fresh browser, then the median of further loads.

Every process started is ended; the database is a temporary SQLite file.
Exit status 0, or 1 when the server or the browser fails."""

import argparse
import json
import os
import random
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests',
                                'quadro'))
from servidor_quadro import (DESENVOLVEDORES, ServidorQuadro, abre_chromium, entra,  # noqa: E402
                             espera, pasta_temporaria)

NOMES = ['Ana Souza', 'Bruno Lima', 'Carla Dias', 'Davi Rocha', 'Elena Park', 'Felipe Costa',
         'Grace Okafor', 'Hugo Martins', 'Isabel Nunes', 'João Pereira', 'Kenji Sato',
         'Laura Fischer', 'Mateus Alves', 'Nadia Haddad', 'Omar Rahman', 'Paula Gomes',
         'Rafael Torres', 'Sofia Ribeiro', 'Tomás Vieira', 'Yara Mendes']

INSPECOES = ('8', '9', '10')


def plano_aleatorio(sorteio):
    """A plan as a student might play it: a team of two to four, each
    activity to one of them, hours and inspection hours of their choice."""
    equipe = sorteio.sample(DESENVOLVEDORES, sorteio.randint(2, 4))
    return {'team': equipe,
            'hours': {d: sorteio.choice((8, 8, 9, 10, 12)) for d in equipe},
            'inspection_hours': {i: sorteio.choice((0, 4, 8, 16)) for i in INSPECOES},
            'assign': {str(a): sorteio.choice(equipe) for a in range(1, 17)}}


class Jogos:
    """Records of plans played by orvanta-sim, as the game writes them."""

    def __init__(self, pasta_bin, pasta, semente=7):
        self.sim = os.path.join(pasta_bin, 'orvanta-sim')
        self.pasta = pasta
        self.sorteio = random.Random(semente)
        self.jogados = []

    def joga(self, quantos):
        """quantos plans that conclude, with their results."""
        while len(self.jogados) < quantos:
            plano = plano_aleatorio(self.sorteio)
            caminho = os.path.join(self.pasta, 'plano.json')
            with open(caminho, 'w', encoding='utf-8') as f:
                json.dump(plano, f)
            r = json.loads(subprocess.run([self.sim, '--json', caminho], check=True,
                                          capture_output=True, timeout=120).stdout)
            if r['concluded']:
                self.jogados.append((plano, {k: r[k] for k in ('concluded', 'days', 'cost')}))
        return self.jogados

    @staticmethod
    def registro(plano, resultado, gerente, jogo, conferencia='verified'):
        p = dict(plano)
        p['max_days'] = resultado['days']
        p['meta'] = {'program': 'Orvanta 1.0', 'manager': gerente, 'game': jogo,
                     'started': '2024-03-01T09:00:00+01:00', 'days_played_at': []}
        if conferencia == 'mismatch':
            resultado = dict(resultado, cost=round(resultado['cost'] * 0.8, 2))
        if conferencia != 'unverified':
            p['result'] = resultado
        return json.dumps(p, ensure_ascii=False).encode('utf-8')


def janela(navegador, largura, altura):
    navegador.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': largura, 'height': altura, 'deviceScaleFactor': 1, 'mobile': False})


def screenshot(args, pasta):
    jogos = Jogos(args.bin, pasta)
    jogados = jogos.joga(25)
    # As a room is served: on every address, the class link naming this
    # machine's; on the default port when it is free.
    dados = os.path.join(pasta, 'data')
    try:
        servidor = ServidorQuadro(args.bin, dados, 'Year 9 Software · Group B', '0.0.0.0:8737')
    except RuntimeError:
        servidor = ServidorQuadro(args.bin, dados + '-2', 'Year 9 Software · Group B',
                                  '0.0.0.0:0')
    navegador = None
    try:
        for i in range(25):
            gerente = NOMES[i % len(NOMES)]
            conferencia = {21: 'mismatch', 17: 'unverified'}.get(i, 'verified')
            plano, resultado = jogados[i]
            status, _ = servidor.envia(jogos.registro(plano, resultado, gerente,
                                                      1 + i // len(NOMES), conferencia))
            assert status == 201, status
        navegador = abre_chromium(os.path.join(pasta, 'perfil'))
        janela(navegador, args.width, args.height)
        entra(navegador, servidor)
        espera(lambda: navegador.execute_script(
            "const i = document.getElementById('chart');"
            "return document.querySelectorAll('#results tbody tr').length === 25 && "
            "i.complete && i.naturalWidth > 0"), 30.0)
        time.sleep(0.5)
        navegador.save_screenshot(args.saida)
        print(f'board-figures: wrote {args.saida}')
    finally:
        if navegador is not None:
            navegador.quit()
        servidor.para()


PRIMEIRA_PINTURA = """
const marca = (n) => performance.getEntriesByName(n)[0]?.startTime;
const tabela = marca('orvanta:table-shown');
const grafico = marca('orvanta:chart-shown');
if (tabela === undefined || grafico === undefined) { return null; }
const nav = performance.getEntriesByType('navigation')[0];
const recursos = performance.getEntriesByType('resource');
let bytes = nav.transferSize;
const partes = {page: nav.transferSize};
for (const r of recursos) {
    bytes += r.transferSize;
    const nome = new URL(r.name).pathname.split('/').pop();
    partes[nome] = (partes[nome] || 0) + r.transferSize;
}
const dados = recursos.find((r) => r.name.includes('board.json'));
return {table: tabela, chart: grafico, bytes, parts: partes,
        data: [dados.startTime, dados.responseEnd],
        script: performance.getEntriesByType('resource').find((r) => r.name.includes('board.js'))
            .responseEnd,
        rows: document.querySelectorAll('#results tbody tr').length};
"""


def mede(args, pasta):
    jogos = Jogos(args.bin, pasta)
    jogados = jogos.joga(200)
    servidor = ServidorQuadro(args.bin, os.path.join(pasta, 'data'))
    navegador = None
    try:
        inicio = time.monotonic()
        for i in range(args.records):
            plano, resultado = jogados[i % len(jogados)]
            conferencia = 'mismatch' if i % 97 == 13 else 'verified'
            status, _ = servidor.envia(jogos.registro(plano, resultado, f'Student {i // 3 + 1}',
                                                      i % 3 + 1, conferencia))
            assert status == 201, status
        print(f'board-figures: {args.records} records sent in '
              f'{time.monotonic() - inicio:.1f} s', file=sys.stderr)
        navegador = abre_chromium(os.path.join(pasta, 'perfil'))
        janela(navegador, 1600, 1000)
        entra(navegador, servidor)
        medidas = []
        for carga in range(args.loads + 1):
            if carga > 0:
                navegador.get(servidor.url())
            m = espera(lambda: navegador.execute_script(PRIMEIRA_PINTURA), 60.0)
            if not m or m['rows'] != args.records:
                raise RuntimeError(f'the board did not show {args.records} rows: {m}')
            medidas.append(m)
            nome = 'first load (chart drawn)' if carga == 0 else f'load {carga}'
            print(f'{nome}: table {m["table"]:.0f} ms, chart {m["chart"]:.0f} ms, '
                  f'(scripts by {m["script"]:.0f} ms, data from {m["data"][0]:.0f} to '
                  f'{m["data"][1]:.0f} ms), '
                  f'{m["bytes"]:,} bytes {m["parts"]}')
        seguintes = medidas[1:]
        print(f'median of {len(seguintes)} further loads: table '
              f'{statistics.median(m["table"] for m in seguintes):.0f} ms, chart '
              f'{statistics.median(m["chart"] for m in seguintes):.0f} ms, '
              f'{statistics.median(m["bytes"] for m in seguintes):,.0f} bytes')
        # What the board costs while it stays open and nothing arrives.
        navegador.execute_script('performance.clearResourceTimings()')
        time.sleep(10)
        sondas = navegador.execute_script(
            "return performance.getEntriesByType('resource').filter("
            "(r) => r.name.includes('board.json')).map((r) => [r.transferSize, "
            "r.responseStatus])")
        print(f'idle polling: {len(sondas)} requests in 10 s, transfer sizes and statuses '
              f'{sondas}')
    finally:
        if navegador is not None:
            navegador.quit()
        servidor.para()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--bin', required=True, help='the folder of the built programs')
    comandos = parser.add_subparsers(dest='comando', required=True)
    foto = comandos.add_parser('screenshot')
    foto.add_argument('saida')
    foto.add_argument('--width', type=int, default=1600)
    foto.add_argument('--height', type=int, default=1000)
    medida = comandos.add_parser('measure')
    medida.add_argument('--records', type=int, default=1000)
    medida.add_argument('--loads', type=int, default=5)
    args = parser.parse_args()
    args.bin = os.path.abspath(args.bin)
    with pasta_temporaria() as pasta:
        try:
            (screenshot if args.comando == 'screenshot' else mede)(args, pasta)
        except (RuntimeError, OSError, subprocess.SubprocessError, AssertionError) as e:
            print(f'board-figures: {e}', file=sys.stderr)
            return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
