// A game's page: its record's result and check, the debrief's charts, and
// the record itself to download.

import { baseTurma, elemento, formataCusto, formataDias, formataHora, mostra, mostraEstado }
    from './common.js';

const base = baseTurma();
const id = /\/games\/([0-9]+)$/.exec(location.pathname)?.[1] ?? '';
const pasta = `${base}games/${id}/`;

function texto(idElemento, valor) {
    document.getElementById(idElemento).textContent = valor;
}

function mostraJogo(j) {
    const titulo = document.getElementById('heading');
    const nome = document.createElement('bdi');
    nome.textContent = j.manager;
    titulo.replaceChildren(`Game ${j.game ?? '?'} of `, nome);
    document.title = `Game ${j.game ?? '?'} · Orvanta class board`;
    texto('manager', j.manager);
    texto('game-number', j.game ?? '—');
    texto('started', j.started ? formataHora(j.started) : '—');
    texto('uploaded', formataHora(j.uploaded));
    texto('result', (j.concluded ? 'Concluded' : 'Not concluded') +
        ` in ${formataDias(j.days)} days, cost ${formataCusto(j.cost)}`);
    const conferencia = document.getElementById('check');
    conferencia.replaceChildren(elemento('span', 'badge badge-' + j.check, {
        verified: '✓ verified: its replay gives this result',
        mismatch: '⚠ MISMATCH: the result it claims is not what its plan gives',
        unverified: '? unverified: it claims no result; this is its replay\'s',
    }[j.check] ?? j.check));
    texto('note', j.note || '—');
    texto('sha256', j.sha256);
    const baixar = document.getElementById('download');
    baixar.href = pasta + 'record.json';
    baixar.download = `record-${j.id}.json`;
    const graficos = document.getElementById('charts');
    graficos.replaceChildren(...j.charts.map((g) => {
        const figura = elemento('figure', 'chart');
        const img = document.createElement('img');
        img.src = pasta + g.file;
        img.alt = g.name + ' chart';
        img.width = 960;
        img.height = 600;
        figura.append(img, elemento('figcaption', null, g.name));
        return figura;
    }));
    mostra(document.getElementById('game'), true);
}

async function carrega() {
    try {
        const r = await fetch(pasta + 'game.json', { cache: 'no-store', credentials: 'same-origin' });
        if (!r.ok) {
            const erro = await r.json().catch(() => ({}));
            mostraEstado(erro.error || `HTTP ${r.status}`, 'error');
            return;
        }
        mostraJogo(await r.json());
    } catch {
        mostraEstado('No answer from the server.', 'error');
    }
}

carrega();
