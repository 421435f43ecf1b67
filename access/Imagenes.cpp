#include "access/Imagenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace norvane {

namespace {

constexpr int kAncho = 132;
constexpr int kAlto = 96;

QPixmap Lienzo(qreal escala) {
  QPixmap lienzo(static_cast<int>(kAncho * escala), static_cast<int>(kAlto * escala));
  lienzo.setDevicePixelRatio(escala);
  lienzo.fill(Qt::transparent);
  return lienzo;
}

// A database cylinder whose top ellipse starts at (x, y).
void Cilindro(QPainter& p, qreal x, qreal y, qreal ancho, qreal alto, const QColor& color) {
  const qreal tapa = ancho * 0.32;
  QLinearGradient brillo(x, 0, x + ancho, 0);
  brillo.setColorAt(0.0, color.darker(130));
  brillo.setColorAt(0.45, color.lighter(135));
  brillo.setColorAt(1.0, color.darker(150));

  QPainterPath cuerpo;
  cuerpo.moveTo(x, y + tapa / 2);
  cuerpo.lineTo(x, y + alto - tapa / 2);
  cuerpo.arcTo(x, y + alto - tapa, ancho, tapa, 180, 180);
  cuerpo.lineTo(x + ancho, y + tapa / 2);
  cuerpo.arcTo(x, y, ancho, tapa, 0, -180);
  p.setPen(QPen(color.darker(180), 1.2));
  p.setBrush(brillo);
  p.drawPath(cuerpo);

  // The bands between the platters.
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= 2; ++i) {
    const qreal banda = y + (alto - tapa) * i / 3.0;
    p.drawArc(QRectF(x, banda, ancho, tapa), 180 * 16, 180 * 16);
  }
  p.setBrush(color.lighter(160));
  p.drawEllipse(QRectF(x, y, ancho, tapa));
}

}  // namespace

QPixmap ImagenEnvio(qreal escala) {
  QPixmap lienzo = Lienzo(escala);
  QPainter p(&lienzo);
  p.setRenderHint(QPainter::Antialiasing);

  Cilindro(p, 6, 22, 36, 56, QColor(0x2e, 0x7d, 0xc2));
  Cilindro(p, 90, 22, 36, 56, QColor(0x3f, 0xa3, 0x5b));

  // The arrow from the origin to the destination.
  QPainterPath flecha;
  flecha.moveTo(48, 44);
  flecha.lineTo(70, 44);
  flecha.lineTo(70, 34);
  flecha.lineTo(86, 50);
  flecha.lineTo(70, 66);
  flecha.lineTo(70, 56);
  flecha.lineTo(48, 56);
  flecha.closeSubpath();
  QLinearGradient relleno(48, 0, 86, 0);
  relleno.setColorAt(0.0, QColor(0xf5, 0xb0, 0x41));
  relleno.setColorAt(1.0, QColor(0xe0, 0x6c, 0x1f));
  p.setPen(QPen(QColor(0x9a, 0x4a, 0x10), 1.2));
  p.setBrush(relleno);
  p.drawPath(flecha);
  return lienzo;
}

QPixmap ImagenAcceso(qreal escala) {
  QPixmap lienzo = Lienzo(escala);
  QPainter p(&lienzo);
  p.setRenderHint(QPainter::Antialiasing);

  // Shackle of the padlock.
  p.setPen(QPen(QColor(0x6b, 0x72, 0x7a), 7, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath arco;
  arco.moveTo(34, 46);
  arco.lineTo(34, 30);
  arco.arcTo(34, 12, 36, 36, 180, -180);
  arco.lineTo(70, 46);
  p.drawPath(arco);

  // Body with its keyhole.
  QLinearGradient cuerpo(0, 44, 0, 90);
  cuerpo.setColorAt(0.0, QColor(0xf2, 0xc9, 0x4c));
  cuerpo.setColorAt(1.0, QColor(0xc8, 0x8a, 0x12));
  p.setPen(QPen(QColor(0x8a, 0x5c, 0x08), 1.2));
  p.setBrush(cuerpo);
  p.drawRoundedRect(QRectF(22, 44, 60, 46), 7, 7);
  p.setBrush(QColor(0x4a, 0x32, 0x06));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(52, 62), 5.5, 5.5);
  p.drawRect(QRectF(50, 63, 4, 14));

  // The key beside it.
  p.setPen(QPen(QColor(0x55, 0x5b, 0x62), 1.2));
  p.setBrush(QColor(0xb8, 0xbe, 0xc6));
  p.drawEllipse(QRectF(92, 50, 22, 22));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(99, 57, 8, 8));
  QPainterPath pala;
  pala.addRect(QRectF(100, 72, 6, 20));
  pala.addRect(QRectF(106, 80, 6, 4));
  pala.addRect(QRectF(106, 87, 8, 4));
  p.setBrush(QColor(0xb8, 0xbe, 0xc6));
  p.drawPath(pala.simplified());
  return lienzo;
}

}  // namespace norvane
