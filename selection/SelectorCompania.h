#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "engine/Opciones.h"

class QStandardItemModel;

namespace norvane {

// A company selector: its list shows "Código" and "Nombre", the field shows
// the chosen company's name, and its value is the company's code. Nothing is
// chosen after loading, and then the field is empty.
class SelectorCompania final : public QComboBox {
  Q_OBJECT

public:
  explicit SelectorCompania(QWidget* parent = nullptr);

  void Cargar(const std::vector<Compania>& companias);
  // Chooses the company of `codigo`; when the list has none, nothing is
  // chosen and false is returned.
  bool Elegir(const std::string& codigo);
  // The code of the chosen company; empty when nothing is chosen.
  std::string Codigo() const;

  void showPopup() override;

private:
  QStandardItemModel* companias_ = nullptr;
};

}  // namespace norvane
