"""The class server and a real Chromium, for the board's browser tests and
its measurements: an orvanta-server process on 127.0.0.1 with an SQLite
database in a temporary folder, game records made as the game writes them
(their results from orvanta-sim), and a headless Chromium driven by
Selenium. Every process started here is ended here."""

import json
import os
import signal
import subprocess
import tempfile
import time
import urllib.error
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

DESENVOLVEDORES = ['Corvin', 'Fennick', 'Ysolde', 'Tamsin', 'Idony', 'Oswin', 'Brannoc']


class Registros:
    """Game records of one developer alone on every activity at some daily
    hours, as the game writes them; each result as orvanta-sim replays it."""

    def __init__(self, pasta_bin, pasta):
        self.sim = os.path.join(pasta_bin, 'orvanta-sim')
        self.pasta = pasta
        self.resultados = {}

    def plano(self, dev, horas):
        nome = DESENVOLVEDORES[dev]
        return {'team': [nome], 'hours': {nome: horas},
                'assign': {str(a): nome for a in range(1, 17)}}

    def resultado(self, dev, horas):
        chave = (dev, horas)
        if chave not in self.resultados:
            caminho = os.path.join(self.pasta, f'plano-{dev}-{horas}.json')
            with open(caminho, 'w', encoding='utf-8') as f:
                json.dump(self.plano(dev, horas), f)
            saida = subprocess.run([self.sim, '--json', caminho], check=True, timeout=120,
                                   capture_output=True).stdout
            jogado = json.loads(saida)
            self.resultados[chave] = {k: jogado[k] for k in ('concluded', 'days', 'cost')}
        return dict(self.resultados[chave])

    def registro(self, gerente, jogo, dev=0, horas=8, conferencia='verified'):
        """The bytes of a record: 'verified' claims its replay's result,
        'mismatch' a cheaper one, 'unverified' none."""
        plano = self.plano(dev, horas)
        resultado = self.resultado(dev, horas)
        plano['max_days'] = resultado['days']
        plano['meta'] = {'program': 'Orvanta 1.0', 'manager': gerente, 'game': jogo,
                         'started': '2024-03-01T09:00:00+01:00', 'days_played_at': []}
        if conferencia == 'mismatch':
            resultado['cost'] -= 1500.25
        if conferencia != 'unverified':
            plano['result'] = resultado
        return json.dumps(plano, ensure_ascii=False, indent=1).encode('utf-8')


class ServidorQuadro:
    """An orvanta-server serving one class on a free port of 127.0.0.1."""

    def __init__(self, pasta_bin, pasta, nome_turma='Year 9 Software', escuta='127.0.0.1:0'):
        self.programa = os.path.join(pasta_bin, 'orvanta-server')
        self.pasta = pasta
        criada = subprocess.run([self.programa, 'class', 'create', nome_turma, '--json',
                                 '--data', pasta], check=True, timeout=120,
                                capture_output=True).stdout
        turma = json.loads(criada)
        self.codigo = turma['class']
        self.chave = turma['teacher_key']
        self.processo = subprocess.Popen(
            [self.programa, 'serve', '--listen', escuta, '--data', pasta,
             '--rate-limit', '0'],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=dict(os.environ,
                                                                      QT_QPA_PLATFORM='offscreen'))
        linha = self.processo.stdout.readline().decode()
        prefixo = 'orvanta-server: listening on '
        if not linha.startswith(prefixo):
            self.para()
            raise RuntimeError('the server did not start: ' + linha +
                               self.processo.stderr.read().decode())
        # Reached on this machine's loopback address, whatever it listens on.
        self.raiz = 'http://127.0.0.1:' + linha.strip().rsplit(':', 1)[1]

    def url(self, resto=''):
        """An address of the class's pages: /classes/CODE/ + resto."""
        return f'{self.raiz}/classes/{self.codigo}/{resto}'

    def envia(self, corpo):
        """Uploads a record as the game does: the answer's status and JSON."""
        pedido = urllib.request.Request(f'{self.raiz}/api/v1/classes/{self.codigo}/records',
                                        data=corpo, method='POST',
                                        headers={'Content-Type': 'application/json'})
        try:
            with urllib.request.urlopen(pedido, timeout=30) as r:
                return r.status, json.loads(r.read())
        except urllib.error.HTTPError as e:
            return e.code, json.loads(e.read() or b'{}')

    def api(self, resto):
        """A teacher's API answer (with the key): its bytes."""
        pedido = urllib.request.Request(f'{self.raiz}/api/v1/classes/{self.codigo}/{resto}',
                                        headers={'Authorization': 'Bearer ' + self.chave})
        with urllib.request.urlopen(pedido, timeout=30) as r:
            return r.read()

    def para(self):
        """SIGTERM, then SIGKILL if it does not end within 30 s."""
        if self.processo.poll() is None:
            self.processo.send_signal(signal.SIGTERM)
            try:
                self.processo.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.processo.kill()
                self.processo.wait(timeout=30)
        self.erros = self.processo.stderr.read().decode(errors='replace')
        self.processo.stdout.close()
        self.processo.stderr.close()
        return self.processo.returncode


def abre_chromium(pasta_perfil, largura=1400, altura=1000, downloads=None):
    """A headless Chromium with a fresh profile, for a closed network, as
    root needs it (no sandbox); its console is kept for the tests to read."""
    opcoes = webdriver.ChromeOptions()
    opcoes.binary_location = '/usr/bin/chromium'
    for argumento in ('--headless=new', '--no-sandbox', '--disable-gpu',
                      '--disable-dev-shm-usage', '--disable-background-networking',
                      '--disable-component-update', '--disable-sync', '--no-first-run',
                      '--disable-default-apps', '--disable-extensions',
                      '--hide-scrollbars', '--force-device-scale-factor=1',
                      f'--user-data-dir={pasta_perfil}', f'--window-size={largura},{altura}'):
        opcoes.add_argument(argumento)
    opcoes.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    navegador = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=opcoes)
    navegador.set_page_load_timeout(60)
    navegador.set_script_timeout(60)
    if downloads:
        navegador.execute_cdp_cmd('Page.setDownloadBehavior',
                                  {'behavior': 'allow', 'downloadPath': downloads})
    return navegador


def entra(navegador, servidor, chave=None):
    """Signs in to the class's board through its form."""
    navegador.get(servidor.url())
    campo = navegador.find_element('id', 'key')
    campo.send_keys(servidor.chave if chave is None else chave)
    campo.submit()


def espera(condicao, segundos=10.0, passo=0.1):
    """Waits for condicao() to be true, at most segundos: its last value."""
    fim = time.monotonic() + segundos
    valor = condicao()
    while not valor and time.monotonic() < fim:
        time.sleep(passo)
        valor = condicao()
    return valor


def pasta_temporaria():
    return tempfile.TemporaryDirectory(prefix='orvanta-quadro-')
