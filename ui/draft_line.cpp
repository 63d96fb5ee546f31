#include "ui/draft_line.h"

#include <QFontMetrics>

#include "front/window_resources.h"
#include "ui/qt_text.h"

namespace cuedeck {

namespace {

constexpr int heard_lines = 2;

/// `text` cut at a word with an ellipsis, so that wrapped to `width` it
/// takes at most `lines` lines.
QString shortened(const QString& text, const QFontMetrics& metrics, int width, int lines)
{
    const auto fits = [&](const QString& tried) {
        return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, tried).height() <=
               lines * metrics.lineSpacing();
    };
    if (width <= 0 || fits(text))
        return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) { // the longest start that fits with its ellipsis
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(text.left(middle) + QChar(0x2026)))
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low).trimmed() + QChar(0x2026);
}

} // namespace

DraftLine::DraftLine(QWidget* parent)
    : QWidget(parent), m_heard(new QLabel(this)), m_next(new QLabel(this))
{
    setFocusPolicy(Qt::NoFocus);
    for (QLabel* label : {m_heard, m_next}) {
        label->setTextFormat(Qt::PlainText); // a draft is never markup
        // Leading: Qt lays a right-to-left cue out from the right, by itself.
        label->setAlignment(Qt::AlignLeading | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
    }
    m_heard->setObjectName("draft_heard");
    m_next->setObjectName("draft_next");
    m_heard->setWordWrap(true);
    m_heard->setAccessibleName(ui_text(TEXT_DRAFT_LINE));
    m_next->setAccessibleName(ui_text(TEXT_DRAFT_NEXT));
    QPalette dimmer = m_next->palette();
    dimmer.setColor(QPalette::WindowText, dimmer.color(QPalette::Disabled, QPalette::WindowText));
    m_next->setPalette(dimmer);
    hide();
}

bool DraftLine::show_cues(const cues::Shown& shown)
{
    if (shown == m_shown)
        return false;
    m_shown = shown;
    lay_out();
    // A screen reader reads each by its name, then what it says.
    m_heard->setAccessibleName(shown.heard.empty()
                                   ? ui_text(TEXT_DRAFT_LINE)
                                   : ui_text(TEXT_DRAFT_LINE) + ": " + to_qt(shown.heard));
    m_next->setAccessibleName(shown.next.empty()
                                  ? ui_text(TEXT_DRAFT_NEXT)
                                  : ui_text(TEXT_DRAFT_NEXT) + ": " + to_qt(shown.next));
    return true;
}

void DraftLine::resizeEvent(QResizeEvent*)
{
    lay_out();
}

void DraftLine::lay_out()
{
    const QFontMetrics metrics(font());
    const int line = metrics.lineSpacing();
    m_heard->setGeometry(0, 0, width(), heard_lines * line);
    m_next->setGeometry(0, heard_lines * line, width(),
                        std::max(height() - heard_lines * line, line));
    const QString heard = to_qt(m_shown.heard);
    const QString next = to_qt(m_shown.next);
    m_heard->setText(shortened(heard, metrics, width(), heard_lines));
    m_next->setText(metrics.elidedText(next, Qt::ElideRight, width()));
    m_heard->setToolTip(heard.size() > m_heard->text().size() ? heard : QString());
}

} // namespace cuedeck
