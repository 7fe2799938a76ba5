#include "AnaliseJogo.h"

#include "CaminhoCritico.h"
#include "plan/JogoPlano.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <algorithm>

namespace {

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

// What the activities cost by the end of the game.
double CustoFinal(const TRastro& rastro, const QList<int>& atividades) {
    double custo = 0.0;
    if (!rastro.isEmpty()) {
        for (int i : atividades) {
            custo += rastro.constLast().Atividades.at(i).Custo;
        }
    }
    return custo;
}

void AnalisaAreas(const TRastro& rastro, TAnaliseJogo& r) {
    for (const TAreaFuncional& area : r.Cenario.Areas) {
        TErrosArea erros;
        for (const TRastroDia& dia : rastro) {
            double encontrados = 0.0;
            for (int i : area.Atividades) {
                encontrados += dia.Atividades.at(i).ErrosEncontrados;
            }
            const double restantes = RestantesArea(area, dia);
            erros.Restantes.append(restantes);
            erros.Encontrados.append(encontrados);
            erros.Feitos.append(restantes + encontrados);
        }
        erros.Custo = CustoFinal(rastro, area.Atividades);
        r.Areas.append(erros);
    }
    r.Resumo.CustoComum = CustoFinal(rastro, r.Cenario.Comuns);
}

TSerieDesenvolvedor SerieDesenvolvedor(const TRastro& rastro, int k, const QString& nome) {
    TSerieDesenvolvedor s{k, nome, {}, {}, {}, {}};
    double exaustaoAnterior = 0.0;
    for (const TRastroDia& dia : rastro) {
        const TRastroDesenvolvedor& d = dia.Desenvolvedores.at(k);
        s.Horas.append(d.NaEquipe ? d.HorasPasso : 0.0);
        s.Exaustao.append(d.Exaustao);
        if (d.Exaustao > TDesenvolvedor::LimiteAviso && !(exaustaoAnterior > TDesenvolvedor::LimiteAviso)) {
            s.Avisos.append(dia.Dia);
        }
        exaustaoAnterior = d.Exaustao;
        const bool aberto = !s.Exausto.isEmpty() && s.Exausto.constLast().Fim < 0.0;
        if (d.Exausto && !aberto) {
            s.Exausto.append({double(dia.Dia), -1.0});
        } else if (!d.Exausto && aberto) {
            s.Exausto.last().Fim = dia.Dia;
        }
    }
    if (!s.Exausto.isEmpty() && s.Exausto.constLast().Fim < 0.0) {
        s.Exausto.last().Fim = rastro.constLast().Dia;
    }
    return s;
}

void AnalisaEquipe(const TRastro& rastro, TAnaliseJogo& r) {
    const int n = static_cast<int>(r.Cenario.Desenvolvedores.size());
    for (int k = 0; k < n; ++k) {
        const bool esteve = std::any_of(rastro.cbegin(), rastro.cend(), [k](const TRastroDia& dia) {
            return dia.Desenvolvedores.at(k).NaEquipe;
        });
        if (esteve) {
            r.Equipe.append(SerieDesenvolvedor(rastro, k, r.Cenario.Desenvolvedores.at(k)));
        }
    }
    QList<bool> exaustoAntes(n, false);
    for (const TRastroDia& dia : rastro) {
        int ociosos = 0;
        for (int k = 0; k < n; ++k) {
            const TRastroDesenvolvedor& d = dia.Desenvolvedores.at(k);
            if (d.NaEquipe) {
                ociosos += d.DiasUsados > 0.0 ? 0 : 1;
                r.Resumo.HorasExtras +=
                    std::max(d.HorasPasso - TPlano::MinimoHoras, 0.0) * d.DiasUsados;
                // Exhausted through the step: at its start (hours held at 8).
                r.Resumo.DiasExaustos += exaustoAntes[k] ? 1.0 : 0.0;
            }
            exaustoAntes[k] = d.Exausto;
        }
        r.Ociosos.append(ociosos);
        r.Resumo.DiasOciosos += ociosos;
    }
}

void AnalisaCronograma(const TRastro& rastro, TAnaliseJogo& r) {
    const int n = static_cast<int>(r.Cenario.Atividades.size());
    r.Cronograma.resize(n);
    if (rastro.isEmpty()) {
        return;
    }
    r.FimAtividade.fill(double(rastro.size() + 1), n);
    QList<double> executado(n, 0.0);
    QList<bool> iniciada(n, false);
    for (const TRastroDia& dia : rastro) {
        for (int i = 0; i < n; ++i) {
            const TRastroAtividade& a = dia.Atividades.at(i);
            if (a.TempoExecutado > executado.at(i)) {
                QList<TFaixaCronograma>& faixas = r.Cronograma[i];
                const double inicio = dia.Dia - 1;
                if (!faixas.isEmpty() && faixas.constLast().Fim == inicio &&
                    faixas.constLast().Desenvolvedor == a.Desenvolvedor) {
                    faixas.last().Fim = dia.Dia;
                } else {
                    faixas.append({inicio, double(dia.Dia), a.Desenvolvedor});
                }
            }
            if (a.Concluida && r.FimAtividade.at(i) > rastro.size()) {
                r.FimAtividade[i] = dia.Dia;
            }
            if (a.Iniciada && !iniciada.at(i) && r.Cenario.Tipos.at(i) == TipoTeste) {
                // The errors it inherited: those left plus those it found the first day.
                r.Resumo.ErrosNosTestes += a.Erros + a.ErrosEncontrados;
            }
            executado[i] = a.TempoExecutado;
            iniciada[i] = a.Iniciada;
        }
    }
    r.Caminho = CaminhoCritico(r.Cenario, r.FimAtividade);
}

} // namespace

TAnaliseJogo AnalisaRastro(const TRastro& rastro, const TCenarioAnalise& cenario) {
    TAnaliseJogo r;
    r.Cenario = cenario;
    double anterior = 0.0;
    for (const TRastroDia& dia : rastro) {
        r.Dias.append(dia.Dia);
        r.CustoAcumulado.append(dia.Custo);
        r.CustoDia.append(dia.Custo - anterior);
        anterior = dia.Custo;
    }
    if (!rastro.isEmpty()) {
        const TRastroDia& ultimo = rastro.constLast();
        r.Resumo.Dias = ultimo.Dia;
        r.Resumo.Custo = ultimo.Custo;
        r.Resumo.Concluido = std::all_of(ultimo.Atividades.cbegin(), ultimo.Atividades.cend(),
                                         [](const TRastroAtividade& a) { return a.Concluida; });
    }
    AnalisaAreas(rastro, r);
    AnalisaEquipe(rastro, r);
    AnalisaCronograma(rastro, r);
    return r;
}

TAnaliseJogo AnalisaPlano(TSimuladorProjeto& sim, const TPlano& plano) {
    TRastro rastro;
    JogaPlano(sim, plano, nullptr, &rastro);
    return AnalisaRastro(rastro, TCenarioAnalise::De(sim));
}
