// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class TVisaoTermometro;
class TVisaoBandeira;

// Tells the team panel what to show about the objects of its list: their name
// and picture, and the thermometer and flag views of every card. Objects are
// passed untyped; each concrete controller knows their type.
//
// A concrete controller creates its views in CriaVisoes and calls it from its
// own constructor, so the views exist as soon as construction returns.
class TControladorVisao {
public:
    TControladorVisao();
    virtual ~TControladorVisao();
    TControladorVisao(const TControladorVisao&) = delete;
    TControladorVisao& operator=(const TControladorVisao&) = delete;

    int NumeroTermometros() const { return static_cast<int>(FTermometros.size()); }
    // Index 0-based; throws std::out_of_range outside 0..NumeroTermometros() - 1.
    TVisaoTermometro* Termometro(int indice) const;
    // Keeps visao for the controller's whole life, appended at the end.
    void AdicionaTermometro(std::unique_ptr<TVisaoTermometro> visao);

    int NumeroBandeiras() const { return static_cast<int>(FBandeiras.size()); }
    // Index 0-based; throws std::out_of_range outside 0..NumeroBandeiras() - 1.
    TVisaoBandeira* Bandeira(int indice) const;
    // Keeps visao for the controller's whole life, appended at the end.
    void AdicionaBandeira(std::unique_ptr<TVisaoBandeira> visao);

    virtual QString NomeObjeto(const void* objeto) const = 0;
    // The object's picture; it stays the object's.
    virtual const QImage& ImagemObjeto(const void* objeto) const = 0;

protected:
    // Creates and adds the views; the base adds none.
    virtual void CriaVisoes();

private:
    std::vector<std::unique_ptr<TVisaoTermometro>> FTermometros;
    std::vector<std::unique_ptr<TVisaoBandeira>> FBandeiras;
};
