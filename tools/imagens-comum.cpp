#include "imagens-comum.h"

#include "arquivos/GravaArquivo.h"
#include "tools/ExecucaoFerramenta.h"

#include <QBuffer>
#include <QPen>
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

QImage novaImagem(int largura, int altura, QColor fundo) {
    QImage imagem(largura, altura, QImage::Format_ARGB32);
    imagem.fill(fundo);
    return imagem;
}

QImage novaImagemOpaca(int largura, int altura, QColor fundo) {
    return novaImagem(largura, altura, fundo).convertToFormat(QImage::Format_RGB32);
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
