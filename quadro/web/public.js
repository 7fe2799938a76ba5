// The public view of a class, for a projector: its results under
// pseudonyms, with no names and nothing to download, while the teacher has
// it switched on.

import {
    Sondagem, TabelaResultados, baseTurma, celulasResultado, contagens, elemento, mostra,
    mostraContagens, mostraEstado, trocaImagem,
} from './common.js';

const base = baseTurma();
const conhecidos = new Set();
let primeira = true;

const tabela = new TabelaResultados(document.getElementById('results'), 'orvanta.public',
    (r) => [elemento('td', 'player', r.player), ...celulasResultado(r)],
    (r) => r.player, (linhas) => {
        mostra(document.getElementById('empty'), linhas.length === 0);
    });

function atualiza(dados) {
    document.getElementById('class-name').textContent = dados.class.name;
    document.getElementById('class-link').textContent = dados.class.link;
    document.title = dados.class.name + ' · Orvanta';
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
    primeira = false;
    mostraContagens(contagens(registros, (r) => r.player));
    tabela.atualiza(registros, novos);
    trocaImagem(document.getElementById('chart'),
        `${base}public/chart.svg?v=${registros.length}.${maior}`);
    mostraEstado('');
    mostra(document.getElementById('content'), true);
}

new Sondagem(base + 'public.json', 2000, atualiza, (status) => {
    if (status === 404) {
        mostraEstado('The public view of this class is off.', 'info');
        mostra(document.getElementById('content'), false);
    } else {
        mostraEstado('No answer from the server: trying again…', 'warning');
    }
    return false;
}).agora();
