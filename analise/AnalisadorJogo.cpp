#include "AnalisadorJogo.h"

#include "CaminhoCritico.h"

#include "model/mAtividade.h"

#include <QMap>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace {

// The series kept per day, in this order: cost so far, the day's cost, idle
// people; per area its remaining, found and made errors; per developer his
// hours and exhaustion.
enum { SerieCusto, SerieCustoDia, SerieOciosos, PrimeiraArea };

int SerieArea(int k) {
    return PrimeiraArea + 3 * k;
}

int SerieDesenvolvedor(int areas, int k) {
    return PrimeiraArea + 3 * areas + 2 * k;
}

QList<EAgregacao> TiposSeries(const TCenarioAnalise& c) {
    QList<EAgregacao> tipos{EAgregacao::Ultimo, EAgregacao::Media, EAgregacao::Media};
    for (qsizetype k = 0; k < c.Areas.size(); ++k) {
        tipos << EAgregacao::Ultimo << EAgregacao::Ultimo << EAgregacao::Ultimo;
    }
    for (qsizetype k = 0; k < c.Desenvolvedores.size(); ++k) {
        tipos << EAgregacao::Media << EAgregacao::Ultimo;
    }
    return tipos;
}

// Errors still in an area: those of its latest started activity (the chain
// runs from the test up).
double RestantesArea(const TAreaFuncional& area, const TRastroDia& dia) {
    for (int i : area.Atividades) {
        const TRastroAtividade& a = dia.Atividades.at(i);
        if (a.Iniciada) {
            return a.Erros;
        }
    }
    return 0.0;
}

// Stretches closer than passo days merged: a long game's exhausted spells
// drawn at the resolution of its series.
void JuntaIntervalos(QList<TIntervaloDias>& intervalos, int passo) {
    QList<TIntervaloDias> juntos;
    for (const TIntervaloDias& i : intervalos) {
        if (!juntos.isEmpty() && i.Inicio - juntos.constLast().Fim < passo) {
            juntos.last().Fim = std::max(juntos.constLast().Fim, i.Fim);
        } else {
            juntos.append(i);
        }
    }
    intervalos = std::move(juntos);
}

void JuntaFaixas(QList<TFaixaCronograma>& faixas, int passo) {
    QList<TFaixaCronograma> juntas;
    for (const TFaixaCronograma& f : faixas) {
        if (!juntas.isEmpty() && f.Inicio - juntas.constLast().Fim < passo) {
            TFaixaCronograma& ultima = juntas.last();
            ultima.Fim = std::max(ultima.Fim, f.Fim);
            if (ultima.Desenvolvedor != f.Desenvolvedor) {
                ultima.Desenvolvedor = -2;
            }
        } else {
            juntas.append(f);
        }
    }
    faixas = std::move(juntas);
}

QString Inteiro(double valor) {
    return QString::number(std::llround(valor));
}

} // namespace

TAnalisadorJogo::TAnalisadorJogo(const TCenarioAnalise& cenario, int limitePontos)
    : FDecisoes(cenario), FSeries(TiposSeries(cenario), limitePontos),
      FDesenvolvedores(cenario.Desenvolvedores.size()), FAtividades(cenario.Atividades.size()) {
    R.Cenario = cenario;
    R.Areas.resize(cenario.Areas.size());
    for (qsizetype k = 0; k < cenario.Desenvolvedores.size(); ++k) {
        TSerieDesenvolvedor s;
        s.Posicao = static_cast<int>(k);
        s.Nome = cenario.Desenvolvedores.at(k);
        R.Equipe.append(s);
    }
    R.Cronograma.resize(cenario.Atividades.size());
}

void TAnalisadorJogo::Aplica(const TMudancasPlano& mudancas) {
    QList<bool> exaustos;
    for (const TDesenvolvedorDia& d : FDesenvolvedores) {
        exaustos.append(d.ExaustoAntes);
    }
    FDecisoes.Aplica(mudancas, exaustos);
}

void TAnalisadorJogo::Passa(const TRastroDia& dia) {
    ++FDiasPassados;
    const int areas = static_cast<int>(R.Areas.size());
    QVarLengthArray<double, 32> valores(SerieDesenvolvedor(areas, static_cast<int>(R.Equipe.size())));
    valores[SerieCusto] = dia.Custo;
    valores[SerieCustoDia] = dia.Custo - FCustoAnterior;
    FCustoAnterior = dia.Custo;
    for (int k = 0; k < areas; ++k) {
        const TAreaFuncional& area = R.Cenario.Areas.at(k);
        double encontrados = 0.0;
        for (int i : area.Atividades) {
            encontrados += dia.Atividades.at(i).ErrosEncontrados;
        }
        const double restantes = RestantesArea(area, dia);
        valores[SerieArea(k)] = restantes;
        valores[SerieArea(k) + 1] = encontrados;
        valores[SerieArea(k) + 2] = restantes + encontrados;
    }
    valores[SerieOciosos] = 0.0;
    PassaEquipe(dia, valores.data());
    FSeries.Adiciona(dia.Dia, valores.constData());
    PassaCusto(dia);
    // The game's messages of the step before the notes the step gives rise to.
    PassaMensagens(dia);
    PassaAtividades(dia);
    R.Resumo.Dias = dia.Dia;
    R.Resumo.Custo = dia.Custo;
    FUltimas = dia.Atividades;
}

void TAnalisadorJogo::PassaEquipe(const TRastroDia& dia, double* valores) {
    const int areas = static_cast<int>(R.Areas.size());
    for (qsizetype k = 0; k < R.Equipe.size(); ++k) {
        const TRastroDesenvolvedor& d = dia.Desenvolvedores.at(k);
        TSerieDesenvolvedor& s = R.Equipe[k];
        TDesenvolvedorDia& estado = FDesenvolvedores[k];
        const int serie = SerieDesenvolvedor(areas, static_cast<int>(k));
        valores[serie] = d.NaEquipe ? d.HorasPasso : 0.0;
        valores[serie + 1] = d.Exaustao;
        if (d.NaEquipe) {
            estado.Esteve = true;
            const bool ocioso = !(d.DiasUsados > 0.0);
            valores[SerieOciosos] += ocioso ? 1.0 : 0.0;
            s.DiasNaEquipe += 1.0;
            s.DiasOciosos += ocioso ? 1.0 : 0.0;
            s.HorasTrabalhadas += d.HorasPasso * d.DiasUsados;
            s.HorasExtras += std::max(d.HorasPasso - TPlano::MinimoHoras, 0.0) * d.DiasUsados;
            // Exhausted through the step: at its start (hours held at 8).
            s.DiasExaustos += estado.ExaustoAntes ? 1.0 : 0.0;
        }
        const bool aberto = !s.Exausto.isEmpty() && s.Exausto.constLast().Fim < 0.0;
        if (d.Exausto && !aberto) {
            s.Exausto.append({double(dia.Dia), -1.0});
        } else if (!d.Exausto && aberto) {
            s.Exausto.last().Fim = dia.Dia;
        }
        estado.ExaustoAntes = d.Exausto;
    }
}

void TAnalisadorJogo::PassaCusto(const TRastroDia& dia) {
    for (qsizetype i = 0; i < FAtividades.size(); ++i) {
        const TRastroAtividade& a = dia.Atividades.at(i);
        const double custo = a.Custo - FAtividades.at(i).Custo;
        // Assignments do not change inside a step: its developer after the
        // step is the one who worked it.
        if (a.Desenvolvedor >= 0 && a.Desenvolvedor < R.Equipe.size()) {
            R.Equipe[a.Desenvolvedor].Custo += custo;
        }
        FAtividades[i].Custo = a.Custo;
    }
}

void TAnalisadorJogo::PassaAtividades(const TRastroDia& dia) {
    const int n = static_cast<int>(FAtividades.size());
    if (R.FimAtividade.isEmpty()) {
        R.FimAtividade.fill(-1.0, n);
    }
    for (int i = 0; i < n; ++i) {
        const TRastroAtividade& a = dia.Atividades.at(i);
        TAtividadeDia& estado = FAtividades[i];
        const std::uint8_t tipo = R.Cenario.Tipos.at(i);
        if (a.TempoExecutado > estado.Executado) {
            QList<TFaixaCronograma>& faixas = R.Cronograma[i];
            const double inicio = dia.Dia - 1;
            if (!faixas.isEmpty() && faixas.constLast().Fim == inicio &&
                faixas.constLast().Desenvolvedor == a.Desenvolvedor) {
                faixas.last().Fim = dia.Dia;
            } else {
                faixas.append({inicio, double(dia.Dia), a.Desenvolvedor});
            }
        }
        if (a.Concluida && R.FimAtividade.at(i) < 0.0) {
            R.FimAtividade[i] = dia.Dia;
        }
        if (a.Iniciada && !estado.Iniciada && tipo == TipoTeste) {
            // The errors it inherited: those left plus those it found the first day.
            const double erros = a.Erros + a.ErrosEncontrados;
            R.Resumo.ErrosNosTestes += erros;
            const int area = R.Cenario.AreaDe(i);
            if (area >= 0) {
                R.Areas[area].ErrosNoTeste += erros;
            }
        }
        // An inspection given no time is accomplished the moment it is
        // ready, without a look at its errors: the game says nothing.
        if (tipo == TipoInspecao && a.Concluida && !(a.TempoExecutado > 0.0) && !estado.Pulada) {
            estado.Pulada = true;
            R.Puladas.append({double(dia.Dia - 1), i, a.Erros});
            AdicionaMensagem(
                {double(dia.Dia - 1),
                 QStringLiteral("\"%1\" was given no time and was skipped: its %2 errors went on "
                                "unchecked")
                     .arg(R.Cenario.Atividades.at(i), Inteiro(a.Erros)),
                 true});
        }
        estado.Executado = a.TempoExecutado;
        estado.Iniciada = a.Iniciada;
    }
}

void TAnalisadorJogo::PassaMensagens(const TRastroDia& dia) {
    // The warning is the game's message: its test looks at the exhaustion
    // before the day's rest, which the trace does not hold.
    static const QString Aviso = QStringLiteral(" is looking exhaust due to overworking hours");
    for (const TMensagemJogo& m : dia.Mensagens) {
        AdicionaMensagem({m.Dia, m.Texto, false});
        if (!m.Texto.endsWith(Aviso)) {
            continue;
        }
        const QStringView nome = QStringView(m.Texto).chopped(Aviso.size());
        for (TSerieDesenvolvedor& s : R.Equipe) {
            if (s.Nome == nome && (s.Avisos.isEmpty() || s.Avisos.constLast() != m.Dia)) {
                s.Avisos.append(static_cast<int>(m.Dia));
            }
        }
    }
}

void TAnalisadorJogo::AdicionaMensagem(TMensagemDebrief mensagem) {
    if (R.Mensagens.size() < TAnaliseJogo::LimiteMensagens) {
        R.Mensagens.append(std::move(mensagem));
    } else {
        ++R.MensagensOmitidas;
    }
}

TAnaliseJogo TAnalisadorJogo::Conclui(TCapaJogo capa) {
    R.Capa = std::move(capa);
    FechaSeries();
    if (FDiasPassados > 0) {
        for (double& fim : R.FimAtividade) {
            if (fim < 0.0) {
                fim = FDiasPassados + 1;
            }
        }
        R.Caminho = CaminhoCritico(R.Cenario, R.FimAtividade);
        R.Resumo.Concluido = std::all_of(FUltimas.cbegin(), FUltimas.cend(),
                                         [](const TRastroAtividade& a) { return a.Concluida; });
    }
    for (qsizetype k = 0; k < R.Areas.size(); ++k) {
        TErrosArea& area = R.Areas[k];
        for (int i : R.Cenario.Areas.at(k).Atividades) {
            if (!FUltimas.isEmpty()) {
                area.Custo += FUltimas.at(i).Custo;
                if (R.Cenario.Tipos.at(i) == TipoInspecao) {
                    area.ErrosInspecao += FUltimas.at(i).ErrosEncontrados;
                }
            }
            if (R.Cenario.Tipos.at(i) == TipoInspecao) {
                area.HorasInspecao += FDecisoes.HorasInspecao(i);
            }
        }
        R.Resumo.HorasInspecao += area.HorasInspecao;
    }
    for (int i : R.Cenario.Comuns) {
        R.Resumo.CustoComum += FUltimas.isEmpty() ? 0.0 : FUltimas.at(i).Custo;
    }
    R.Decisoes = FDecisoes.Decisoes();
    FechaMarcos();
    return std::move(R);
}

void TAnalisadorJogo::FechaSeries() {
    FSeries.Fecha();
    R.Passo = FSeries.Passo();
    R.Dias = FSeries.Dias();
    R.CustoAcumulado = FSeries.Serie(SerieCusto);
    R.CustoDia = FSeries.Serie(SerieCustoDia);
    R.Ociosos = FSeries.Serie(SerieOciosos);
    const int areas = static_cast<int>(R.Areas.size());
    for (int k = 0; k < areas; ++k) {
        R.Areas[k].Restantes = FSeries.Serie(SerieArea(k));
        R.Areas[k].Encontrados = FSeries.Serie(SerieArea(k) + 1);
        R.Areas[k].Feitos = FSeries.Serie(SerieArea(k) + 2);
    }
    QList<TSerieDesenvolvedor> equipe;
    for (qsizetype k = 0; k < R.Equipe.size(); ++k) {
        if (!FDesenvolvedores.at(k).Esteve) {
            continue;
        }
        TSerieDesenvolvedor s = std::move(R.Equipe[k]);
        const int serie = SerieDesenvolvedor(areas, static_cast<int>(k));
        s.Horas = FSeries.Serie(serie);
        s.Exaustao = FSeries.Serie(serie + 1);
        if (!s.Exausto.isEmpty() && s.Exausto.constLast().Fim < 0.0) {
            s.Exausto.last().Fim = R.Resumo.Dias;
        }
        if (R.Passo > 1) {
            JuntaIntervalos(s.Exausto, R.Passo);
        }
        R.Resumo.HorasExtras += s.HorasExtras;
        R.Resumo.DiasExaustos += s.DiasExaustos;
        R.Resumo.DiasOciosos += s.DiasOciosos;
        equipe.append(std::move(s));
    }
    R.Equipe = std::move(equipe);
    if (R.Passo > 1) {
        for (QList<TFaixaCronograma>& faixas : R.Cronograma) {
            JuntaFaixas(faixas, R.Passo);
        }
    }
}

void TAnalisadorJogo::FechaMarcos() {
    // Each marker of a kind on the same day (the same stretch, in a long
    // game) is one, its lines kept up to a few.
    constexpr int MaximoLinhas = 6;
    struct TGrupo {
        TMarco Marco;
        QStringList Linhas;
    };
    QMap<std::pair<qint64, int>, TGrupo> grupos;
    const auto adiciona = [&](double dia, ETipoMarco tipo, const QString& linha) {
        const std::pair chave{static_cast<qint64>(std::floor(dia / R.Passo)), static_cast<int>(tipo)};
        auto it = grupos.find(chave);
        if (it == grupos.end()) {
            it = grupos.insert(chave, {TMarco{dia, tipo, 0, {}}, {}});
        }
        ++it->Marco.Quantos;
        if (it->Linhas.size() < MaximoLinhas) {
            it->Linhas.append(linha);
        }
    };
    for (const TDecisao& d : R.Decisoes) {
        adiciona(d.Dia, d.Tipo, TextoDecisao(d, R.Cenario));
    }
    for (const TSerieDesenvolvedor& s : R.Equipe) {
        for (int dia : s.Avisos) {
            adiciona(dia, ETipoMarco::Aviso,
                     QStringLiteral("%1's exhaustion passed the warning level").arg(s.Nome));
        }
        for (const TIntervaloDias& i : s.Exausto) {
            adiciona(i.Inicio, ETipoMarco::Exausto,
                     QStringLiteral("%1 exhausted, days %2 to %3: hours forced to 8")
                         .arg(s.Nome, Inteiro(i.Inicio), Inteiro(i.Fim)));
        }
    }
    for (const TInspecaoPulada& p : R.Puladas) {
        adiciona(p.Dia, ETipoMarco::InspecaoPulada,
                 QStringLiteral("\"%1\" skipped: given no time, %2 errors went on unchecked")
                     .arg(R.Cenario.Atividades.at(p.Atividade), Inteiro(p.Erros)));
    }
    for (TGrupo& g : grupos) {
        if (g.Marco.Quantos > g.Linhas.size()) {
            g.Linhas.append(QStringLiteral("... and %1 more").arg(g.Marco.Quantos - g.Linhas.size()));
        }
        g.Marco.Texto = g.Linhas.join(QLatin1Char('\n'));
        R.Marcos.append(std::move(g.Marco));
    }
}
