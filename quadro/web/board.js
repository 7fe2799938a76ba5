// The teacher's board: the class's results, kept current while it is open.

import {
    Sondagem, TabelaResultados, baseTurma, celulasResultado, contagens, elemento, mostra,
    mostraContagens, mostraEstado, trocaImagem,
} from './common.js';

const base = baseTurma();
const conhecidos = new Set();
let primeira = true;
let ultimaVista = null;

function celulas(r) {
    const gerente = elemento('td', 'manager');
    const link = elemento('a', null, r.manager);
    link.href = base + 'games/' + r.id;
    // The name as the student typed it, kept from turning the text around it.
    const isolado = document.createElement('bdi');
    isolado.append(link);
    gerente.append(isolado);
    return [gerente, ...celulasResultado(r)];
}

const tabela = new TabelaResultados(document.getElementById('results'), 'orvanta.board',
    celulas, (r) => r.manager, (linhas) => {
        mostra(document.getElementById('empty'), linhas.length === 0);
    });

// A row opens its game, as its link does.
tabela.corpo.addEventListener('click', (evento) => {
    const linha = evento.target.closest('tr');
    if (!linha || evento.target.closest('a')) {
        return;
    }
    const link = linha.querySelector('a');
    if (link) {
        location.assign(link.href);
    }
});

function mostraTurma(turma) {
    document.getElementById('class-name').textContent = turma.name;
    document.getElementById('class-code').textContent = turma.code;
    document.title = turma.name + ' · Orvanta class board';
    const link = document.getElementById('class-link');
    if (link.value !== turma.link) {
        link.value = turma.link;
    }
    const aviso = document.getElementById('link-warning');
    aviso.textContent = turma.link_warning || '';
    mostra(aviso, Boolean(turma.link_warning));
}

function mostraAlerta(c) {
    const alerta = document.getElementById('mismatch-alert');
    if (c.mismatched > 0) {
        alerta.textContent = c.mismatched === 1
            ? '⚠ 1 record is a mismatch: the result it claims is not what its plan gives. ' +
              'It is marked in the table, whatever attempts are shown.'
            : `⚠ ${c.mismatched} records are mismatches: the results they claim are not what ` +
              'their plans give. They are marked in the table, whatever attempts are shown.';
    }
    mostra(alerta, c.mismatched > 0);
}

function mostraVista(vista) {
    const escolha = document.getElementById('public-view');
    if (vista !== ultimaVista && document.activeElement !== escolha) {
        escolha.value = vista;
        ultimaVista = vista;
    }
    mostra(document.getElementById('public-link'), vista !== 'off');
}

function atualiza(dados) {
    mostraTurma(dados.class);
    const registros = dados.records;
    const novos = new Set();
    let maior = 0;
    for (const r of registros) {
        if (!primeira && !conhecidos.has(r.id)) {
            novos.add(r.id);
        }
        conhecidos.add(r.id);
        maior = Math.max(maior, r.id);
    }
    const c = contagens(registros, (r) => r.manager);
    mostraContagens(c);
    mostraAlerta(c);
    tabela.atualiza(registros, novos);
    mostraVista(dados.public_view);
    const grafico = document.getElementById('chart');
    const jaTinha = Boolean(grafico.dataset.url);
    trocaImagem(grafico, `${base}chart.svg?v=${registros.length}.${maior}`, () => {
        if (!jaTinha) {
            marcaPintura('orvanta:chart-shown');
        }
    });
    if (primeira) {
        marcaPintura('orvanta:table-shown');
    }
    primeira = false;
}

// Marks the moment the next frame with what was just changed has been
// painted: what a measurement of the board's first paint reads.
function marcaPintura(nome) {
    requestAnimationFrame(() => setTimeout(() => performance.mark(nome), 0));
}

const sondagem = new Sondagem(base + 'board.json', 2000, atualiza, (status, mensagem) => {
    if (status === 401) {
        // Twelve hours on, signed out in another tab, or a new key given.
        mostraEstado('The session has ended.', 'error');
        const entrar = elemento('a', null, 'Sign in again');
        entrar.href = base;
        document.getElementById('status').append(' ', entrar);
        return true;
    }
    mostraEstado(status === 0
        ? 'No answer from the server: trying again…'
        : `The server failed (${mensagem}): trying again…`, 'warning');
    return false;
}, () => {
    if (document.getElementById('status').classList.contains('warning')) {
        mostraEstado('');
    }
});
sondagem.agora();

document.getElementById('copy-link').addEventListener('click', async () => {
    const campo = document.getElementById('class-link');
    const botao = document.getElementById('copy-link');
    let copiado = false;
    try {
        await navigator.clipboard.writeText(campo.value);
        copiado = true;
    } catch {
        // Plain HTTP on the room's network is no secure context: the
        // older way still copies a selection.
        campo.select();
        copiado = document.execCommand('copy');
    }
    botao.textContent = copiado ? 'Copied' : 'Select and copy';
    setTimeout(() => { botao.textContent = 'Copy'; }, 2000);
});

document.getElementById('class-link').addEventListener('focus', (evento) => {
    evento.target.select();
});

document.getElementById('public-view').addEventListener('change', async (evento) => {
    const escolha = evento.target;
    const vista = escolha.value;
    escolha.disabled = true;
    try {
        const r = await fetch(base + 'public', {
            method: 'POST',
            body: new URLSearchParams({ view: vista }),
            credentials: 'same-origin',
        });
        if (!r.ok) {
            throw new Error((await r.json()).error || `HTTP ${r.status}`);
        }
        ultimaVista = vista;
        mostraEstado(vista === 'off' ? 'The public view is off.'
            : 'The public view is on: open it on the projector.');
    } catch (erro) {
        mostraEstado('The public view was not switched: ' + erro.message, 'error');
        escolha.value = ultimaVista;
    }
    escolha.disabled = false;
    sondagem.esquece();
    sondagem.agora();
});
