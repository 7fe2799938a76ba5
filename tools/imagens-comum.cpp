// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/imagens-comum.h"

#include "arquivos/GravaArquivo.h"
#include "tools/ExecucaoFerramenta.h"

#include <QBuffer>
#include <QPen>
#include <cmath>
#include <cstring>

namespace {

// Encoded in memory and written whole: a full disk leaves the picture that
// was there, never half a new one, and every failed write is told.
bool salva(const QImage& imagem, const QString& caminho, const char* formato) {
    QByteArray dados;
    QBuffer memoria(&dados);
    QString motivo = QStringLiteral("the picture cannot be encoded");
    if (memoria.open(QIODevice::WriteOnly) && imagem.save(&memoria, formato) &&
        GravaArquivoInteiro(caminho, dados, motivo)) {
        return true;
    }
    EscreveErroFerramenta("orvanta-pictures",
                          QStringLiteral("cannot write %1: %2").arg(caminho, motivo));
    return false;
}

} // namespace

bool salvaBmp(const QImage& imagem, const QString& caminho) {
    // 24-bit plain bitmap: no alpha, no palette.
    return salva(imagem.convertToFormat(QImage::Format_RGB888), caminho, "BMP");
}

bool salvaPng(const QImage& imagem, const QString& caminho) {
    return salva(imagem, caminho, "PNG");
}

QString arquivoDenso(const QString& caminho, qreal escala) {
    QString denso = caminho;
    const qsizetype ponto = denso.lastIndexOf(QLatin1Char('.'));
    return denso.insert(ponto < 0 ? denso.size() : ponto,
                        QLatin1Char('@') + QString::number(escala) + QLatin1Char('x'));
}

namespace {

bool salvaDensidades(const Desenho& desenho, const QString& caminho,
                     bool (*salvaUma)(const QImage&, const QString&)) {
    bool ok = salvaUma(desenho(1), caminho);
    for (const qreal escala : Densidades) {
        ok &= salvaUma(desenho(escala), arquivoDenso(caminho, escala));
    }
    return ok;
}

} // namespace

bool salvaBmpDensidades(const Desenho& desenho, const QString& caminho) {
    return salvaDensidades(desenho, caminho, salvaBmp);
}

bool salvaPngDensidades(const Desenho& desenho, const QString& caminho) {
    return salvaDensidades(desenho, caminho, salvaPng);
}

QImage novaImagem(int largura, int altura, QColor fundo, qreal escala) {
    QImage imagem(int(std::ceil(largura * escala)), int(std::ceil(altura * escala)),
                  QImage::Format_ARGB32);
    imagem.fill(fundo);
    return imagem;
}

QImage novaImagemOpaca(int largura, int altura, QColor fundo, qreal escala) {
    return novaImagem(largura, altura, fundo, escala).convertToFormat(QImage::Format_RGB32);
}

void escalona(QPainter& p, qreal escala) {
    if (escala != 1) {
        p.scale(escala, escala);
    }
}

QImage mapaPixels(const std::vector<const char*>& linhas, const std::vector<CorMapa>& cores,
                  QColor fundo) {
    const int altura = int(linhas.size());
    const int largura = altura ? int(std::strlen(linhas.front())) : 0;
    QImage imagem = novaImagem(largura, altura, fundo);
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura && linhas[y][x] != '\0'; ++x) {
            for (const CorMapa& c : cores) {
                if (c.codigo == linhas[y][x]) {
                    imagem.setPixelColor(x, y, c.cor);
                }
            }
        }
    }
    return imagem;
}

QColor escura(QColor cor, int fator) {
    return cor.darker(fator);
}

void contorno(QPainter& p, QColor preenchimento, qreal largura) {
    p.setPen(QPen(escura(preenchimento, 200), largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(preenchimento);
}
