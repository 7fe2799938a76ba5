// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// A flag view: a small picture shown on a card while a condition on the
// object holds.
class TVisaoBandeira {
public:
    // Loads the picture from the program's folder joined with caminhoRelativo
    // ("imagens/bd_trabalhoduro.bmp"); black pixels become transparent.
    // Throws EErroArquivo naming the file when it is missing or unreadable.
    explicit TVisaoBandeira(const QString& caminhoRelativo);
    virtual ~TVisaoBandeira() = default;
    TVisaoBandeira(const TVisaoBandeira&) = delete;
    TVisaoBandeira& operator=(const TVisaoBandeira&) = delete;

    // The picture, with its transparent colour turned into alpha 0.
    const QImage& ImagemBandeira() const { return FImagemBandeira; }
    // The file the picture was read from, whose variants dense screens draw.
    const QString& ArquivoBandeira() const { return FArquivoBandeira; }

    virtual bool Visivel(const void* objeto) const = 0;

private:
    QImage FImagemBandeira;
    QString FArquivoBandeira;
};

// Shown for more than 8 and at most 11 daily work hours (objects are TDesenvolvedor).
class TVisaoBandeiraTrabalhoDuro : public TVisaoBandeira {
public:
    using TVisaoBandeira::TVisaoBandeira;
    bool Visivel(const void* objeto) const override;
    static bool Condicao(double horasTrabalho) {
        return horasTrabalho > 8.0 && horasTrabalho <= 11.0;
    }
};

// Shown for more than 11 daily work hours (objects are TDesenvolvedor).
class TVisaoBandeiraEscravidao : public TVisaoBandeira {
public:
    using TVisaoBandeira::TVisaoBandeira;
    bool Visivel(const void* objeto) const override;
    static bool Condicao(double horasTrabalho) { return horasTrabalho > 11.0; }
};
