#include "FormStyle.h"

#include "Fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace {

const char* const FontPixelHeightProperty = "fontPixelHeight";
const char* const FontBoldProperty = "fontBold";
const char* const BlackTextProperty = "blackText";
// Remembered on a label the first time it is fitted.
const char* const DesignedGeometryProperty = "designedGeometry";

void applyWidgetStyle(QWidget* widget) {
    const QVariant pixelHeight = widget->property(FontPixelHeightProperty);
    if (pixelHeight.isValid()) {
        widget->setFont(gameFont(pixelHeight.toInt(), widget->property(FontBoldProperty).toBool()));
    }
    if (widget->property(BlackTextProperty).toBool()) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        colours.setColor(QPalette::Text, Qt::black);
        widget->setPalette(colours);
    }
}

} // namespace

void applyFormStyle(QWidget* form) {
    applyWidgetStyle(form);
    for (QWidget* child : form->findChildren<QWidget*>()) {
        applyWidgetStyle(child);
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        if (!label->text().isEmpty()) {
            fitLabelToText(label);
        }
    }
}

void fitLabelToText(QLabel* label) {
    QVariant designed = label->property(DesignedGeometryProperty);
    if (!designed.isValid()) {
        designed = label->geometry();
        label->setProperty(DesignedGeometryProperty, designed);
    }
    QRect place = designed.toRect();
    const QFontMetrics metrics(label->font());
    const int textWidth = metrics.horizontalAdvance(label->text()) + 2 * label->margin();
    const int textHeight = metrics.height();
    if (textWidth > place.width()) {
        if (label->alignment() & Qt::AlignRight) {
            place.setLeft(place.right() + 1 - textWidth);
        } else {
            place.setWidth(textWidth);
        }
    }
    if (textHeight > place.height()) {
        place.setHeight(textHeight);
    }
    label->setGeometry(place);
}
