// What the board, the game page and the public view share: the numbers as
// the game writes them, the results table, and the polling that keeps a page
// current. Every text from the server goes into the page as text
// (textContent), never as markup.

// The game's formats: days "#,##0", cost "#,##0.00".
const formatoDias = new Intl.NumberFormat('en-US', { maximumFractionDigits: 0 });
const formatoCusto = new Intl.NumberFormat('en-US', {
    minimumFractionDigits: 2,
    maximumFractionDigits: 2,
});

export function formataDias(dias) {
    return formatoDias.format(dias);
}

export function formataCusto(custo) {
    return formatoCusto.format(custo);
}

// Short enough for a column, and never stale: the date is always there.
const formatoHora = new Intl.DateTimeFormat('en-GB', {
    day: 'numeric', month: 'short', year: 'numeric', hour: '2-digit', minute: '2-digit',
});

// An ISO 8601 time as local date and time, "1 Mar 2024, 09:05".
export function formataHora(iso) {
    const d = new Date(iso);
    return Number.isNaN(d.getTime()) ? (iso || '') : formatoHora.format(d);
}

// The class's pages: "/classes/CODE/".
export function baseTurma() {
    const achado = /^\/classes\/[A-Za-z0-9]+\//.exec(location.pathname);
    return achado ? achado[0] : '/';
}

// An element with a class and a text.
export function elemento(tag, classe, texto) {
    const e = document.createElement(tag);
    if (classe) {
        e.className = classe;
    }
    if (texto !== undefined && texto !== null) {
        e.textContent = String(texto);
    }
    return e;
}

export function mostra(e, visivel) {
    e.hidden = !visivel;
}

// The counts of a class's records; jogador names a record's player.
export function contagens(registros, jogador) {
    const jogadores = new Set();
    const c = { players: 0, games: registros.length, verified: 0, mismatched: 0, unverified: 0 };
    for (const r of registros) {
        jogadores.add(jogador(r));
        if (r.check === 'verified') {
            c.verified++;
        } else if (r.check === 'mismatch') {
            c.mismatched++;
        } else {
            c.unverified++;
        }
    }
    c.players = jogadores.size;
    return c;
}

export function mostraContagens(c) {
    for (const [chave, valor] of Object.entries(c)) {
        const e = document.getElementById('count-' + chave);
        if (e) {
            e.textContent = formataDias(valor);
        }
    }
}

// The best of a player's games: the cheapest verified game that concluded,
// then the fewest days, then the first.
function melhor(a, b) {
    return a.cost - b.cost || a.days - b.days || a.id - b.id;
}

function conta(r) {
    return r.check === 'verified' && r.concluded;
}

// The records shown for a choice of attempts: "all"; "last", each player's
// latest; "best", each player's best counted game (or, with none, the
// latest). A mismatch is always shown: tampering is never hidden by a choice.
export function escolheTentativas(registros, modo, jogador) {
    if (modo !== 'best' && modo !== 'last') {
        return registros.slice();
    }
    const porJogador = new Map();
    for (const r of registros) {
        const chave = jogador(r);
        const atual = porJogador.get(chave);
        let fica = r;
        if (atual) {
            if (modo === 'last') {
                fica = r.id > atual.id ? r : atual;
            } else if (conta(r) !== conta(atual)) {
                fica = conta(r) ? r : atual;
            } else if (conta(r)) {
                fica = melhor(r, atual) < 0 ? r : atual;
            } else {
                fica = r.id > atual.id ? r : atual;
            }
        }
        porJogador.set(chave, fica);
    }
    const escolhidos = new Set(porJogador.values());
    return registros.filter((r) => escolhidos.has(r) || r.check === 'mismatch');
}

const gravidade = { mismatch: 0, unverified: 1, verified: 2 };

function comparaColuna(chave) {
    switch (chave) {
    case 'game':
    case 'days':
    case 'cost':
    case 'id':
        return (a, b) => (a[chave] ?? -1) - (b[chave] ?? -1);
    case 'check':
        return (a, b) => (gravidade[a.check] ?? 3) - (gravidade[b.check] ?? 3);
    case 'uploaded':
        return (a, b) => (a.uploaded < b.uploaded ? -1 : a.uploaded > b.uploaded ? 1 : 0);
    default:
        return (a, b) => String(a[chave]).localeCompare(String(b[chave]));
    }
}

function guardado(nome, padrao) {
    try {
        return JSON.parse(localStorage.getItem(nome)) ?? padrao;
    } catch {
        return padrao;
    }
}

function guarda(nome, valor) {
    try {
        localStorage.setItem(nome, JSON.stringify(valor));
    } catch {
        // A browser that keeps nothing keeps the page's defaults.
    }
}

// The results table: its header's buttons sort it (again: the other way),
// the attempts radio buttons choose its rows; celulas(r) gives a record's
// cells. The choices are kept for the next visit under prefixo.
export class TabelaResultados {
    constructor(tabela, prefixo, celulas, jogador, aoMudar) {
        this.tabela = tabela;
        this.corpo = tabela.tBodies[0];
        this.prefixo = prefixo;
        this.celulas = celulas;
        this.jogador = jogador;
        this.aoMudar = aoMudar;
        this.registros = [];
        this.novos = new Set();
        this.ordem = guardado(prefixo + '.sort', { key: 'uploaded', descending: true });
        const marcado = document.querySelector('input[name="attempts"]:checked');
        this.modo = guardado(prefixo + '.attempts', marcado ? marcado.value : 'all');
        for (const th of tabela.tHead.rows[0].cells) {
            th.querySelector('button').addEventListener('click', () => this.ordena(th.dataset.key));
        }
        for (const radio of document.querySelectorAll('input[name="attempts"]')) {
            radio.checked = radio.value === this.modo;
            radio.addEventListener('change', () => {
                this.modo = radio.value;
                guarda(this.prefixo + '.attempts', this.modo);
                this.desenha();
            });
        }
    }

    ordena(chave) {
        const descending = this.ordem.key === chave ? !this.ordem.descending : false;
        this.ordem = { key: chave, descending };
        guarda(this.prefixo + '.sort', this.ordem);
        this.desenha();
    }

    // The class's records, all of them, in the order they arrived; novos
    // are the ids to mark as just arrived.
    atualiza(registros, novos) {
        this.registros = registros;
        this.novos = novos;
        this.desenha();
    }

    desenha() {
        const linhas = escolheTentativas(this.registros, this.modo, this.jogador);
        const compara = comparaColuna(this.ordem.key);
        const sinal = this.ordem.descending ? -1 : 1;
        linhas.sort((a, b) => sinal * compara(a, b) || sinal * (a.id - b.id));
        const tr = linhas.map((r) => {
            const linha = document.createElement('tr');
            linha.className = 'row-' + r.check + (this.novos.has(r.id) ? ' new' : '');
            if (r.sha256) {
                linha.dataset.sha256 = r.sha256;
            }
            linha.append(...this.celulas(r));
            return linha;
        });
        this.corpo.replaceChildren(...tr);
        for (const th of this.tabela.tHead.rows[0].cells) {
            const ativa = th.dataset.key === this.ordem.key;
            th.setAttribute('aria-sort',
                ativa ? (this.ordem.descending ? 'descending' : 'ascending') : 'none');
        }
        if (this.aoMudar) {
            this.aoMudar(linhas);
        }
    }
}

// The cells every view shows after the player's: game, days, cost, check,
// uploaded.
export function celulasResultado(r) {
    const dias = elemento('td', 'num', formataDias(r.days));
    if (!r.concluded) {
        dias.append(' ', elemento('span', 'tag', 'not concluded'));
    }
    const conferencia = elemento('td', 'check');
    const selo = {
        verified: '✓ verified',
        mismatch: '⚠ MISMATCH',
        unverified: '? unverified',
    }[r.check] ?? r.check;
    conferencia.append(elemento('span', 'badge badge-' + r.check, selo));
    if (r.note) {
        conferencia.append(elemento('span', 'note', r.note));
    }
    return [
        elemento('td', 'num', r.game ?? ''),
        dias,
        elemento('td', 'num', formataCusto(r.cost)),
        conferencia,
        elemento('td', 'when', formataHora(r.uploaded)),
    ];
}

// Swaps an image for a new version once it has loaded, so that the page
// never shows a half-drawn chart or an empty frame in between.
// aoCarregar, when given, runs once it is shown.
export function trocaImagem(img, url, aoCarregar) {
    if (img.dataset.url === url) {
        return;
    }
    const nova = new Image();
    nova.addEventListener('load', () => {
        img.src = url;
        img.dataset.url = url;
        aoCarregar?.();
    });
    nova.src = url;
}

// Asks url every intervalo milliseconds (less often while the page is
// hidden), sending the ETag of the last answer so that an unchanged one
// costs a few bytes; aoMudar(dados) gets each new answer, aoFalhar(status,
// mensagem) each failure (status 0: no answer) and returns true to stop.
// One request at a time, however long one takes.
export class Sondagem {
    constructor(url, intervalo, aoMudar, aoFalhar, aoResponder) {
        this.url = url;
        this.intervalo = intervalo;
        this.aoMudar = aoMudar;
        this.aoFalhar = aoFalhar;
        this.aoResponder = aoResponder;
        this.etag = null;
        this.temporizador = null;
        this.emCurso = false;
        this.deNovo = false;
        this.parada = false;
        document.addEventListener('visibilitychange', () => {
            if (!document.hidden) {
                this.agora();
            }
        });
    }

    agora() {
        if (this.emCurso) {
            this.deNovo = true;
        } else {
            this.agenda(0);
        }
    }

    // Forgets the last answer: the next is taken whole.
    esquece() {
        this.etag = null;
    }

    agenda(ms) {
        clearTimeout(this.temporizador);
        if (!this.parada) {
            this.temporizador = setTimeout(() => this.busca(), ms);
        }
    }

    async busca() {
        this.emCurso = true;
        let proxima = this.intervalo;
        try {
            const cabecalhos = this.etag ? { 'If-None-Match': this.etag } : {};
            const r = await fetch(this.url, {
                headers: cabecalhos,
                cache: 'no-store',
                credentials: 'same-origin',
            });
            if (r.status === 304) {
                this.aoResponder?.();
            } else if (r.ok) {
                const dados = await r.json();
                this.etag = r.headers.get('ETag');
                this.aoResponder?.();
                this.aoMudar(dados);
            } else {
                let mensagem = `HTTP ${r.status}`;
                try {
                    mensagem = (await r.json()).error || mensagem;
                } catch {
                    // Not JSON: the status says it.
                }
                this.etag = null;
                this.parada = this.aoFalhar(r.status, mensagem) === true;
                proxima = 2 * this.intervalo;
            }
        } catch {
            this.parada = this.aoFalhar(0, 'no answer from the server') === true;
            proxima = 2 * this.intervalo;
        }
        this.emCurso = false;
        if (document.hidden) {
            proxima = Math.max(proxima, 5 * this.intervalo);
        }
        this.agenda(this.deNovo ? 0 : proxima);
        this.deNovo = false;
    }
}

// A status line: a message, or hidden with none.
export function mostraEstado(texto, classe) {
    const e = document.getElementById('status');
    e.textContent = texto || '';
    e.className = 'status' + (classe ? ' ' + classe : '');
    mostra(e, Boolean(texto));
}
