#include "platform/Label.h"

#include "platform/QtAlign.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace {

// The smallest text a label shrinks its text to, in pixels.
constexpr int kSmallestTextSize = 6;

// A label that draws its text smaller where the font that is installed is
// wider or taller than the layout was drawn for, so the whole text shows in
// its box. Text that wraps is drawn as it is.
class FittingLabel : public QLabel {
public:
    // The font the text is drawn in: the label's own, or the largest smaller
    // size at which every line fits the box, the foot of its letters included.
    QFont shownFont() const {
        QFont shown = font();
        QString text = this->text();
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        if (wordWrap() || text.isEmpty())
            return shown;
        const QStringList lines = text.split(QLatin1Char('\n'));
        const QSize box = contentsRect().size();
        if (fits(QFontMetrics(shown), lines, box))
            return shown;
        for (int size = QFontInfo(shown).pixelSize() - 1; size >= kSmallestTextSize; --size) {
            shown.setPixelSize(size);
            if (fits(QFontMetrics(shown), lines, box))
                break;
        }
        return shown;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QFont shown = shownFont();
        if (shown == font()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setFont(shown);
        style()->drawItemText(&painter, contentsRect(),
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), text(), foregroundRole());
    }

private:
    static bool fits(const QFontMetrics& metrics, const QStringList& lines, QSize box) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        // Below the last line's base line, its letters reach as far as their
        // ink does.
        const int inkBelow = std::max(metrics.boundingRect(lines.back()).bottom() + 1, 0);
        const int height =
            int(lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() + inkBelow;
        return widest <= box.width() && height <= box.height();
    }
};

FittingLabel* label(QWidget* widget) {
    return static_cast<FittingLabel*>(widget);
}

// Text starts at the top of its box, as the window layouts were drawn for;
// a caption that ends in a line break keeps its first line in place.
void applyAlignment(QLabel* label, Qt::Alignment horizontal) {
    label->setAlignment(horizontal | Qt::AlignTop);
}

}  // namespace

Label::Label(std::string name, std::string_view text) : Control(std::move(name), new FittingLabel) {
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
