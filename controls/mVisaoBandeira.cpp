#include "controls/mVisaoBandeira.h"

#include "model/mDesenvolvedor.h"
#include "model/mImagens.h"

#include <QFileInfo>

TVisaoBandeira::TVisaoBandeira(const QString& caminhoRelativo) {
    const QString arquivo = PastaPrograma() + QLatin1Char('/') + caminhoRelativo;
    if (!QFileInfo(arquivo).isFile())
        throw EErroArquivo(QStringLiteral("Cannot open the picture file ") + arquivo);
    QImage imagem;
    if (!imagem.load(arquivo))
        throw EErroArquivo(QStringLiteral("Cannot read the picture file ") + arquivo);
    FImagemBandeira = ComTransparencia(imagem, qRgb(0, 0, 0));
}

QImage TVisaoBandeira::ComTransparencia(const QImage& imagem, QRgb transparente) {
    QImage resultado = imagem.convertToFormat(QImage::Format_ARGB32);
    const QRgb chave = transparente & RGB_MASK;
    for (int y = 0; y < resultado.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(resultado.scanLine(y));
        for (int x = 0; x < resultado.width(); ++x) {
            if ((linha[x] & RGB_MASK) == chave)
                linha[x] = 0;
        }
    }
    return resultado;
}

bool TVisaoBandeiraTrabalhoDuro::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}

bool TVisaoBandeiraEscravidao::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}
