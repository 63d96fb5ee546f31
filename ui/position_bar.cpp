#include "ui/position_bar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "control/state/loop.h"
#include "control/state/time_format.h"
#include "front/bar_drawing.h"
#include "front/window_resources.h"
#include "system/waveforms.h"
#include "ui/qt_text.h"

namespace cuedeck {
namespace {

constexpr int fetch_every_ms = 100;
/// Page Up and Page Down move by this share of the tip.
constexpr int page_parts = 10;

} // namespace

PositionBar::PositionBar(Moved moved, QWidget* parent) : QWidget(parent), m_moved(std::move(moved))
{
    install_position_bar_accessibility();
    setFocusPolicy(Qt::TabFocus); // a click does not take the keys from the window
    setMouseTracking(true);
    setAccessibleName(TEXT_POSITION_BAR);
    setCursor(Qt::PointingHandCursor);
    m_fetch.setInterval(fetch_every_ms);
    connect(&m_fetch, &QTimer::timeout, this, &PositionBar::fetch_waveform);
}

void PositionBar::show_state(const BarState& state, Waveforms* waveforms)
{
    // The same again (paused, each second): nothing is drawn.
    if (state == m_state && waveforms == m_waveforms)
        return;
    const bool value_changed = state.counter != m_state.counter;
    m_state = state;
    m_waveforms = waveforms;
    const bool more_to_come = m_waveforms != nullptr && !m_state.file.empty() &&
                              !(m_state.waveform && m_state.waveform->complete);
    if (more_to_come && !m_fetch.isActive())
        m_fetch.start();
    else if (!more_to_come)
        m_fetch.stop();
    update();
    if (value_changed && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_state.position_ms / 1000);
        QAccessible::updateAccessibility(&event);
    }
}

void PositionBar::fetch_waveform()
{
    if (m_waveforms == nullptr || m_state.file.empty()) {
        m_fetch.stop();
        return;
    }
    auto fetched = m_waveforms->waveform(m_state.file, m_state.position_ms);
    if (fetched != m_state.waveform) {
        m_state.waveform = std::move(fetched);
        if (m_state.waveform)
            m_state.length_ms = std::max(m_state.length_ms, m_state.waveform->length_ms());
        update();
    }
    if (m_state.waveform && m_state.waveform->complete)
        m_fetch.stop();
}

int PositionBar::position_at(int x) const
{
    return bar_drawing::Scale{width(), m_state.length_ms}.position_at(x);
}

int PositionBar::x_of(int position_ms) const
{
    return bar_drawing::Scale{width(), m_state.length_ms}.x_of(position_ms);
}

void PositionBar::move_to(int position_ms)
{
    if (m_state.length_ms > 0 && m_moved)
        m_moved(std::clamp(position_ms, 0, m_state.length_ms));
}

void PositionBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    painter.setPen(colours.mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_state.length_ms <= 0)
        return;
    const int middle = height() / 2;
    const int reach = std::max(middle - 2, 1);

    if (m_state.loop_start_ms) {
        const int from = x_of(*m_state.loop_start_ms);
        const int to = m_state.loop_end_ms ? x_of(*m_state.loop_end_ms) : from;
        QColor stretch = colours.highlight().color();
        stretch.setAlpha(70);
        painter.fillRect(QRect(QPoint(from, 1), QPoint(std::max(to, from + 1), height() - 2)),
                         stretch);
    }

    if (const Waveform* shown = m_state.waveform.get()) {
        QColor pause = colours.alternateBase().color().darker(115);
        for (const Waveform::Pause& quiet : shown->pauses)
            painter.fillRect(
                QRect(QPoint(x_of(quiet.start_ms), 1),
                      QPoint(std::max(x_of(quiet.end_ms) - 1, x_of(quiet.start_ms)), height() - 2)),
                pause);
        painter.setPen(bar_colours(colours).waveform);
        const auto columns =
            bar_drawing::waveform_columns(*shown, {width(), m_state.length_ms}, reach);
        for (int x = 0; x < width(); ++x) {
            if (const int half = columns[static_cast<std::size_t>(x)]; half > 0)
                painter.drawLine(x, middle - half, x, middle + half);
        }
    }

    if (const Draft* draft = m_state.draft.get()) {
        // Where each cue begins: a notch from the top, once per column.
        painter.setPen(colours.text().color());
        const int notch = std::max(height() / 4, 2);
        int last_x = -1;
        for (const Cue& cue : draft->cues) {
            const int x = x_of(cue.start_ms);
            if (x == last_x)
                continue;
            last_x = x;
            painter.drawLine(x, 1, x, notch);
        }
    }

    const auto mark = [&](int position_ms, const QColor& colour, int pen_width) {
        painter.setPen(QPen(colour, pen_width));
        const int x = x_of(position_ms);
        painter.drawLine(x, 1, x, height() - 2);
    };
    const BarColours own = bar_colours(colours);
    mark(m_state.zero_mark_ms, own.zero_mark, 2);
    mark(m_state.position_ms, own.position, 2);
    if (const auto pointed = m_drag_ms ? m_drag_ms : m_hover_ms) {
        mark(*pointed, colours.text().color(), 1);
        const QString time = to_qt(loop::format_tenths(*pointed));
        const int text_width = painter.fontMetrics().horizontalAdvance(time) + 4;
        int x = x_of(*pointed) + 3;
        if (x + text_width > width())
            x = x_of(*pointed) - 3 - text_width;
        const QRect label(x, 1, text_width, height() - 2);
        painter.fillRect(label, colours.toolTipBase());
        painter.setPen(colours.toolTipText().color());
        painter.drawText(label, Qt::AlignCenter, time);
    }
}

void PositionBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_state.length_ms <= 0)
        return;
    m_drag_ms = position_at(static_cast<int>(event->position().x()));
    update();
}

void PositionBar::mouseMoveEvent(QMouseEvent* event)
{
    const int at = position_at(static_cast<int>(event->position().x()));
    if (m_drag_ms)
        m_drag_ms = at;
    m_hover_ms = m_state.length_ms > 0 ? std::optional<int>(at) : std::nullopt;
    // The cue at the time under the mouse, in words.
    QString cue_text;
    if (m_state.draft && m_hover_ms) {
        if (const auto index = cue_begun_by(*m_state.draft, *m_hover_ms))
            cue_text = to_qt(cues::line(m_state.draft->cues[*index]));
    }
    if (cue_text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), cue_text, this);
    update();
}

void PositionBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_drag_ms)
        return;
    const int chosen = position_at(static_cast<int>(event->position().x()));
    m_drag_ms.reset();
    update();
    move_to(chosen);
}

void PositionBar::leaveEvent(QEvent*)
{
    m_hover_ms.reset();
    update();
}

void PositionBar::keyPressEvent(QKeyEvent* event)
{
    const int page = m_state.length_ms / page_parts;
    switch (event->key()) {
    case Qt::Key_Home:
        move_to(0);
        return;
    case Qt::Key_End:
        move_to(m_state.length_ms);
        return;
    case Qt::Key_PageUp:
        move_to(m_state.position_ms - page);
        return;
    case Qt::Key_PageDown:
        move_to(m_state.position_ms + page);
        return;
    default:
        event->ignore(); // the window's keys, the arrows among them
    }
}

namespace {

class PositionBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PositionBarAccessible(PositionBar* bar) : QAccessibleWidget(bar, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return ui_text(TEXT_POSITION_BAR);
        case QAccessible::Value:
            return to_qt(bar()->state().counter);
        case QAccessible::Description: {
            // What a reader that reads the number alone misses: the counter,
            // and where the place is in the tip.
            const BarState& shown = bar()->state();
            return to_qt(
                translated(UI_TEXT("Counter %1, %2 of %3"),
                           {shown.counter, format_minutes_seconds(shown.position_ms / 1000),
                            format_minutes_seconds(shown.length_ms / 1000)}));
        }
        default:
            return QAccessibleWidget::text(kind);
        }
    }
    QVariant currentValue() const override { return bar()->state().position_ms / 1000; }
    void setCurrentValue(const QVariant& value) override { bar()->move_to(value.toInt() * 1000); }
    QVariant maximumValue() const override { return bar()->state().length_ms / 1000; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    PositionBar* bar() const { return static_cast<PositionBar*>(widget()); }
};

QAccessibleInterface* position_bar_accessible(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("cuedeck::PositionBar") && object != nullptr &&
        object->isWidgetType())
        return new PositionBarAccessible(static_cast<PositionBar*>(object));
    return nullptr;
}

} // namespace

BarColours bar_colours(const QPalette& palette)
{
    const auto own = bar_drawing::colours_on(palette.base().color().lightness() >= 128);
    const auto qt = [](bar_drawing::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };
    return {qt(own.waveform), qt(own.zero_mark), qt(own.position)};
}

void install_position_bar_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&position_bar_accessible);
        return true;
    }();
    (void)installed;
}

} // namespace cuedeck
