# SPDX-License-Identifier: GPL-3.0-or-later
"""The teacher's board in a real browser: Debian's headless Chromium driven
by Selenium against a real orvanta-server and SQLite database. Signing in
and out, live uploads, sorting, the game page, the CSV, hostile names and
the public view, as a teacher meets them. Run by ctest through
/usr/bin/python3, with ORVANTA_BIN_DIR naming the built programs."""

import json
import os
import sys
import time
import unittest
import urllib.request

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from servidor_quadro import (Registros, ServidorQuadro, abre_chromium, entra,  # noqa: E402
                             espera, pasta_temporaria)

PASTA_BIN = os.environ.get('ORVANTA_BIN_DIR', os.getcwd())

# Every text a student could type to do harm, and the plain ones around them.
NOMES_HOSTIS = [
    '<script>window.__ataque = 1</script>',
    '<img src=x onerror="window.__ataque = 2">',
    '"double" \'single\' & <b>bold</b> </td></tr><tr><td>',
    '\u202eevil\u202c right-to-left \u200f mark \u200e',
    'x' * 10000,
]

LINHAS_JS = """return Array.from(document.querySelectorAll('#results tbody tr')).map(
    (tr) => ({sha: tr.dataset.sha256 || '', cells: Array.from(tr.cells, (td) => td.textContent),
              link: tr.querySelector('td a') ? tr.querySelector('td a').textContent : null}));"""


class TstNavegadorQuadro(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.pasta = pasta_temporaria()
        raiz = cls.pasta.name
        cls.registros = Registros(PASTA_BIN, raiz)
        cls.servidor = ServidorQuadro(PASTA_BIN, os.path.join(raiz, 'data'))
        cls.navegador = None
        try:
            cls.enviados = {}
            for gerente, jogo, dev, horas, conferencia in [
                    ('Ana Souza', 1, 0, 8, 'verified'), ('Bruno Lima', 1, 1, 10, 'verified'),
                    ('Bruno Lima', 2, 2, 9, 'verified'), ('Carla Dias', 1, 3, 12, 'mismatch'),
                    ('Davi Rocha', 1, 4, 8, 'unverified')]:
                cls.envia(gerente, jogo, dev, horas, conferencia)
            cls.downloads = os.path.join(raiz, 'downloads')
            os.mkdir(cls.downloads)
            cls.navegador = abre_chromium(os.path.join(raiz, 'perfil'), downloads=cls.downloads)
            entra(cls.navegador, cls.servidor)
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        if cls.navegador is not None:
            cls.navegador.quit()
        cls.servidor.para()
        cls.pasta.cleanup()

    @classmethod
    def envia(cls, gerente, jogo, dev=0, horas=8, conferencia='verified'):
        corpo = cls.registros.registro(gerente, jogo, dev, horas, conferencia)
        status, recibo = cls.servidor.envia(corpo)
        assert status == 201, (status, recibo)
        cls.enviados[recibo['sha256']] = (gerente, corpo, recibo)
        return recibo

    def setUp(self):
        self.nav = self.navegador
        self.nav.get_log('browser')  # what earlier tests left

    def tearDown(self):
        # No page ever ran into its policy or threw.
        for entrada in self.nav.get_log('browser'):
            mensagem = entrada['message']
            self.assertNotIn('Content Security Policy', mensagem)
            self.assertNotIn('Uncaught', mensagem)

    def abre_quadro(self):
        self.nav.get(self.servidor.url())
        self.assertTrue(espera(lambda: len(self.linhas()) >= len(self.enviados)),
                        'the board did not show the class')

    def linhas(self):
        return self.nav.execute_script(LINHAS_JS)

    def clica(self, seletor):
        self.nav.find_element(By.CSS_SELECTOR, seletor).click()

    # guards against a board shown without the key, a wrong key let in, and a sign-out that keeps the board open
    def test_signing_in_opens_the_board_and_a_wrong_key_is_refused(self):
        self.abre_quadro()
        self.clica('form.sign-out button')
        self.assertTrue(espera(lambda: self.nav.find_elements(By.ID, 'key')))
        self.assertFalse(self.nav.find_elements(By.ID, 'results'))
        inicio = time.monotonic()
        entra(self.nav, self.servidor, 'not-the-key')
        self.assertGreaterEqual(time.monotonic() - inicio, 0.9)
        aviso = self.nav.find_element(By.ID, 'sign-in-wrong')
        self.assertTrue(aviso.is_displayed())
        self.assertEqual(aviso.text, 'Wrong class code or teacher key.')
        self.assertFalse(self.nav.find_elements(By.ID, 'results'))
        entra(self.nav, self.servidor)
        self.abre_quadro()
        self.assertEqual(self.nav.find_element(By.ID, 'class-name').text, 'Year 9 Software')
        self.assertEqual(self.nav.find_element(By.ID, 'class-link').get_property('value'),
                         self.servidor.url())

    # guards against a board left open that goes on showing the class once its session has ended, or says nothing of it
    def test_a_board_left_open_tells_when_its_session_ends(self):
        self.abre_quadro()
        self.nav.execute_async_script(
            "const feito = arguments[0];"
            "fetch('sign-out', {method: 'POST'}).then(() => feito(), () => feito());")
        estado = self.nav.find_element(By.ID, 'status')
        self.assertTrue(espera(lambda: estado.is_displayed() and
                               estado.text.startswith('The session has ended.'), 6.0))
        self.nav.find_element(By.LINK_TEXT, 'Sign in again').click()
        self.assertTrue(espera(lambda: self.nav.find_elements(By.ID, 'key')))
        entra(self.nav, self.servidor)
        self.abre_quadro()

    # guards against a board that needs a reload to show a new game, or shows it late
    def test_an_upload_made_while_the_board_is_open_appears_within_five_seconds(self):
        self.abre_quadro()
        jogos = int(self.nav.find_element(By.ID, 'count-games').text)
        grafico = self.nav.find_element(By.ID, 'chart')
        self.assertTrue(espera(lambda: grafico.get_property('naturalWidth') > 0))
        antes = grafico.get_attribute('src')
        recibo = self.envia('Eva Mendes', 1, 5, 11)
        inicio = time.monotonic()
        apareceu = espera(lambda: any(l['sha'] == recibo['sha256'] for l in self.linhas()), 5.0)
        self.assertTrue(apareceu, 'the upload did not appear within 5 s')
        print(f'an upload appeared on the open board after {time.monotonic() - inicio:.2f} s',
              file=sys.stderr)
        self.assertEqual(int(self.nav.find_element(By.ID, 'count-games').text), jogos + 1)
        self.assertTrue(espera(lambda: grafico.get_attribute('src') != antes, 5.0),
                        'the chart was not redrawn')
        linha = next(l for l in self.linhas() if l['sha'] == recibo['sha256'])
        dias = self.registros.resultado(5, 11)['days']
        self.assertEqual(linha['cells'][2], f'{dias:,}')

    # guards against a column that does not sort, sorts as text, or cannot be turned around
    def test_each_column_sorts_both_ways(self):
        self.abre_quadro()
        ordem_check = {'⚠ MISMATCH': 0, '? unverified': 1, '✓ verified': 2}

        def chave(coluna, texto):
            if coluna in (1, 2, 3):
                return float(texto.split(' ')[0].replace(',', '') or -1)
            if coluna == 4:
                return next(v for k, v in ordem_check.items() if texto.startswith(k))
            return texto

        for coluna, nome in enumerate(['manager', 'game', 'days', 'cost', 'check', 'uploaded']):
            for descendente in (False, True):
                cabecalho = self.nav.find_element(By.CSS_SELECTOR, f'th[data-key="{nome}"]')
                cabecalho.find_element(By.TAG_NAME, 'button').click()
                if cabecalho.get_attribute('aria-sort') != ('descending' if descendente
                                                            else 'ascending'):
                    cabecalho.find_element(By.TAG_NAME, 'button').click()
                textos = [l['cells'][coluna] for l in self.linhas()]
                if coluna == 0:
                    em_ordem = self.nav.execute_script(
                        'const t = arguments[0]; return t.every((x, i) => i === 0 || '
                        '(arguments[1] ? t[i - 1].localeCompare(x) >= 0 : '
                        't[i - 1].localeCompare(x) <= 0));', textos, descendente)
                    self.assertTrue(em_ordem, (nome, descendente, textos))
                else:
                    chaves = [chave(coluna, t) for t in textos]
                    self.assertEqual(chaves, sorted(chaves, reverse=descendente),
                                     (nome, descendente))

    # guards against rows that lead nowhere, a game page without its charts or result, and a download that is not the record
    def test_a_row_opens_its_game_page_with_the_debriefs_charts(self):
        self.abre_quadro()
        sha, (gerente, corpo, recibo) = next(
            (s, e) for s, e in self.enviados.items() if e[0] == 'Ana Souza')
        self.clica(f'tr[data-sha256="{sha}"] td.num')
        self.assertTrue(espera(lambda: self.nav.current_url.endswith(f'/games/{recibo["id"]}')))
        self.assertTrue(espera(lambda: self.nav.find_element(By.ID, 'game').is_displayed()))
        self.assertEqual(self.nav.find_element(By.ID, 'heading').text, 'Game 1 of Ana Souza')
        self.assertEqual(self.nav.find_element(By.ID, 'result').text,
                         'Concluded in 81 days, cost 16,200.00')
        self.assertIn('verified', self.nav.find_element(By.ID, 'check').text)
        self.assertEqual(self.nav.find_element(By.ID, 'sha256').text, sha)
        carregados = espera(lambda: self.nav.execute_script(
            "const i = document.querySelectorAll('#charts img');"
            'return i.length === 7 && Array.from(i).every((x) => x.complete && '
            'x.naturalWidth > 0);'), 30.0)
        self.assertTrue(carregados, 'the seven charts did not load')
        nomes = [e.text for e in self.nav.find_elements(By.CSS_SELECTOR, '#charts figcaption')]
        self.assertEqual(nomes, ['Summary', 'Decisions', 'Cost', 'Quality', 'Team', 'Schedule', 'Par'])
        baixado = self.nav.execute_async_script(
            "const feito = arguments[0];"
            "fetch(document.getElementById('download').href).then((r) => r.text()).then(feito);")
        self.assertEqual(baixado, corpo.decode('utf-8'))

    # guards against a CSV link that downloads nothing, or another table than the server's
    def test_the_csv_link_downloads_the_table(self):
        self.abre_quadro()
        self.clica('#csv-link')
        arquivo = os.path.join(self.downloads, f'class-{self.servidor.codigo}-results.csv')
        self.assertTrue(espera(lambda: os.path.exists(arquivo), 15.0), 'nothing was downloaded')
        with open(arquivo, 'rb') as f:
            self.assertEqual(f.read(), self.servidor.api('results.csv'))

    # guards against a student's text taken as markup or script anywhere on the board or a game's page
    def test_hostile_manager_names_appear_as_exact_text_and_run_nothing(self):
        recibos = [self.envia(nome, i + 1, i % 7, 8 + i % 5)
                   for i, nome in enumerate(NOMES_HOSTIS)]
        self.abre_quadro()
        porSha = {l['sha']: l for l in self.linhas()}
        for nome, recibo in zip(NOMES_HOSTIS, recibos):
            linha = porSha.get(recibo['sha256'])
            self.assertIsNotNone(linha, nome[:40])
            self.assertEqual(linha['link'], nome)
            self.assertEqual(linha['cells'][0], nome)
        self.assertEqual(len(self.linhas()), len(self.enviados))
        self.assertEqual(self.nav.execute_script(
            "return document.querySelectorAll('#results tbody img, #results tbody script, "
            "#results tbody b').length"), 0)
        self.assertIsNone(self.nav.execute_script('return window.__ataque'))
        for nome, recibo in zip(NOMES_HOSTIS[:2], recibos):
            self.nav.get(self.servidor.url(f'games/{recibo["id"]}'))
            self.assertTrue(espera(lambda: self.nav.find_element(By.ID, 'game').is_displayed()))
            self.assertEqual(self.nav.find_element(By.ID, 'manager').get_property('textContent'),
                             nome)
            self.assertEqual(self.nav.find_element(By.ID, 'heading').get_property('textContent'),
                             f'Game {NOMES_HOSTIS.index(nome) + 1} of {nome}')
            self.assertIsNone(self.nav.execute_script('return window.__ataque'))

    # guards against players' best and last attempts chosen wrongly, or a mismatch hidden by the choice
    def test_best_and_last_attempts_keep_every_mismatch(self):
        self.abre_quadro()
        fixos = ('Ana Souza', 'Bruno Lima', 'Carla Dias', 'Davi Rocha')
        for modo in ('best', 'last', 'all'):
            self.clica(f'input[name="attempts"][value="{modo}"]')
            linhas = [l for l in self.linhas() if l['cells'][0] in fixos]
            bruno = [l for l in linhas if l['cells'][0] == 'Bruno Lima']
            custos = sorted(self.registros.resultado(d, h)['cost'] for d, h in ((1, 10), (2, 9)))
            if modo == 'all':
                self.assertEqual(len(bruno), 2)
            else:
                self.assertEqual(len(bruno), 1, modo)
                esperado = custos[0] if modo == 'best' else self.registros.resultado(2, 9)['cost']
                self.assertEqual(bruno[0]['cells'][3], f'{esperado:,.2f}')
            self.assertEqual(sum(1 for l in linhas if 'MISMATCH' in l['cells'][4]), 1)
            self.assertEqual(len({l['cells'][0] for l in linhas}), 4)

    # guards against a public view that shows a name or a download, is open before it is switched on, or stays open after
    def test_the_public_view_shows_no_names_and_no_downloads(self):
        self.abre_quadro()
        Select(self.nav.find_element(By.ID, 'public-view')).select_by_value('numbers')
        self.assertTrue(espera(lambda: 'on' in self.nav.find_element(By.ID, 'status').text))
        quadro = self.nav.current_window_handle
        self.nav.switch_to.new_window('tab')
        try:
            # The teacher's cookie reaches this page too; its data never needs it
            # (tst_quadro_servidor asks for it without).
            self.nav.get(self.servidor.url('public'))
            self.assertTrue(espera(lambda: len(self.linhas()) > 0, 10.0))
            self.assertTrue(espera(lambda: self.nav.find_element(
                By.ID, 'chart').get_property('naturalWidth') > 0, 10.0))
            self.clica('input[name="attempts"][value="all"]')
            texto = self.nav.execute_script('return document.documentElement.outerHTML')
            for gerente, _, _ in self.enviados.values():
                self.assertNotIn(gerente[:12], texto)
            jogadores = {l['cells'][0] for l in self.linhas()}
            self.assertIn('Player 1', jogadores)
            self.assertTrue(all(j.startswith('Player ') for j in jogadores))
            self.assertEqual(len(self.linhas()), len(self.enviados))
            self.assertEqual(self.nav.execute_script(
                "return document.querySelectorAll('a[download], a[href*=\"record\"], "
                "a[href$=\".csv\"], a[href*=\"games/\"], [data-sha256]').length"), 0)
            self.assertFalse(self.nav.find_elements(By.CSS_SELECTOR, 'form'))

            self.nav.switch_to.window(quadro)
            Select(self.nav.find_element(By.ID, 'public-view')).select_by_value('off')
            self.assertTrue(espera(lambda: 'off' in self.nav.find_element(By.ID, 'status').text))
            self.nav.switch_to.window(self.nav.window_handles[-1])
            self.assertTrue(espera(lambda: 'is off' in self.nav.find_element(
                By.ID, 'status').text, 10.0))
            self.assertFalse(self.nav.find_element(By.ID, 'content').is_displayed())
        finally:
            self.nav.close()
            self.nav.switch_to.window(quadro)


if __name__ == '__main__':
    unittest.main(verbosity=2)
