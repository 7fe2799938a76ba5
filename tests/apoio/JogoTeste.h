// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A main window playing against a record file in a temporary folder, and the
// pointer actions a player uses on its panels.
#include "controls/CommandButton.h"
#include "controls/PainelVisao.h"
#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "ui/JanelaPrincipal.h"
#include "ui/PainelTarefas.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

struct TJogoTeste {
    QTemporaryDir Pasta;
    std::unique_ptr<TMainWindow> Janela;
    int Perguntas = 0;
    bool Resposta = true;

    // conteudoIni: the record file's text before the window exists (none when null).
    explicit TJogoTeste(const char* conteudoIni = "[Orvanta]\nManager=Tester\n") {
        if (conteudoIni) {
            QFile arquivo(CaminhoIni());
            if (arquivo.open(QIODevice::WriteOnly)) {
                arquivo.write(conteudoIni);
            }
        }
    }

    QString CaminhoIni() const { return Pasta.filePath(QStringLiteral("Orvanta.INI")); }
    QByteArray Ini() const {
        QFile arquivo(CaminhoIni());
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }

    // Points the window at the temporary record file and answers the turn's
    // question with Resposta, counting the questions.
    void Prepara(std::unique_ptr<TMainWindow> janela) {
        Janela = std::move(janela);
        Janela->Registro().DefineCaminho(CaminhoIni());
        Janela->DefinePergunta([this](const QString&) {
            ++Perguntas;
            return Resposta;
        });
    }

    TProjetoSoftware* Projeto() const { return Janela->Projeto(); }

    // The window's widgets, found by their object names.
    TPainelVisao* PainelVisao() const {
        return Janela->findChild<TPainelVisao*>(QStringLiteral("PainelVisao"));
    }
    TPainelAtividades* PainelAtividades() const {
        return Janela->findChild<TPainelAtividades*>(QStringLiteral("PainelAtividades"));
    }
    TCommandButton* Botao(const char* nome) const {
        return Janela->findChild<TCommandButton*>(QLatin1String(nome));
    }

    // What the window hears from its widgets, as they say it: a click on the
    // command button nome (whether or not it is enabled), a selection and a
    // double click on a panel.
    void Clica(const char* nome) const {
        TCommandButton* botao = Botao(nome);
        botao->OnClick(botao);
    }
    template <class P> static void Seleciona(P* painel) { painel->OnSelect(painel); }
    template <class P> static void DuploClique(P* painel) { painel->OnDblClick(painel); }
    // A drag from origem held over (x, y) of the chart: whether the chart takes it.
    bool ArrastaSobre(QObject* origem, int x, int y) const {
        return PainelAtividades()->AreaDesenho()->OnDragOver(origem, x, y);
    }
    void SoltaEm(QObject* origem, int x, int y) const {
        PainelAtividades()->AreaDesenho()->OnDragDrop(origem, x, y);
    }
    TAtividade* Atividade(int i) const { return Projeto()->Atividade(i); }

    // Scrolls the chart until the activity's circle is inside the drawing area
    // and returns its centre in drawing-area coordinates.
    QPoint MostraAtividade(const TAtividade* a) const {
        TPainelAtividades* painel = PainelAtividades();
        const int altura = painel->AreaDesenho()->height();
        for (int passo = 0; passo < 50; ++passo) {
            const int y = a->PosicaoY() - painel->Deslocamento();
            if (y > altura - 31) {
                painel->RolaParaBaixo();
            } else if (y < 31) {
                painel->RolaParaCima();
            } else {
                break;
            }
        }
        return QPoint(a->PosicaoX(), a->PosicaoY() - painel->Deslocamento());
    }

    void ClicaAtividade(int i) const {
        QTest::mouseClick(PainelAtividades()->AreaDesenho(), Qt::LeftButton, {},
                          MostraAtividade(Atividade(i)));
    }

    // A press on the chart far from every circle.
    void ClicaFundoGrafico() const {
        TPainelAtividades* painel = PainelAtividades();
        for (int passo = 0; passo < 50 && painel->Deslocamento() > 0; ++passo) {
            painel->RolaParaCima();
        }
        QTest::mouseClick(painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(200, 120));
    }

    // A press on the card of team member i (the team panel shows the first ones).
    void ClicaDesenvolvedor(int i) const {
        TPainelVisao* painel = PainelVisao();
        QTest::mouseClick(
            painel->AreaDesenho(), Qt::LeftButton, {},
            QPoint(painel->EsquerdaCartao() + 10, 80 * i + 40 - painel->Deslocamento()));
    }

    // Drops the team panel's selected developer on activity i, as a drag from
    // the team panel does.
    bool SoltaNaAtividade(int i) const {
        const QPoint centro = MostraAtividade(Atividade(i));
        if (!ArrastaSobre(PainelVisao(), centro.x(), centro.y())) {
            return false;
        }
        SoltaEm(PainelVisao(), centro.x(), centro.y());
        return true;
    }
};
