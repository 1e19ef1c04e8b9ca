#include "platform/Label.h"

#include "platform/QtAlign.h"
#include "platform/QtText.h"

#include <QLabel>

namespace {

QLabel* label(QWidget* widget) {
    return static_cast<QLabel*>(widget);
}

// Text starts at the top of its box, as the window layouts were drawn for;
// a caption that ends in a line break keeps its first line in place.
void applyAlignment(QLabel* label, Qt::Alignment horizontal) {
    label->setAlignment(horizontal | Qt::AlignTop);
}

}  // namespace

Label::Label(std::string name, std::string_view text) : Control(std::move(name), new QLabel) {
    label(widget())->setTextFormat(Qt::PlainText);
    applyAlignment(label(widget()), Qt::AlignLeft);
    SetText(text);
}

std::string Label::Text() const {
    return text_;
}

void Label::SetText(std::string_view text) {
    text_.assign(text);
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label(widget())->setText(shown);
}

void Label::SetAlignment(Align alignment) {
    applyAlignment(label(widget()), toQtAlignment(alignment));
}

void Label::SetTextColor(int red, int green, int blue) {
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::WindowText, QColor(red, green, blue));
    widget()->setPalette(palette);
}

void Label::SetMultiline(bool multiline) {
    QLabel* shown = label(widget());
    shown->setWordWrap(multiline);
    applyAlignment(shown, shown->alignment() & Qt::AlignHorizontal_Mask);
}
