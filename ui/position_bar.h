#pragma once

#include <QColor>
#include <QPalette>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "control/run/controller_view.h"

namespace cuedeck {

class Waveforms;

/// The whole tip at a glance: its waveform and pauses where they are known,
/// the zero mark, a loop's stretch and the play position; the time under
/// the mouse. A click, or a drag when it is let go, asks to move there; so
/// do Home, End, Page Up and Page Down while it has the focus (Tab). To a
/// screen reader it is the slider "Position", whose value is the counter.
class PositionBar : public QWidget
{
    Q_OBJECT
public:
    using Moved = std::function<void(int position_ms)>;
    PositionBar(Moved moved, QWidget* parent);

    /// What to show, from the refresh; the rest of a waveform still being
    /// made is fetched from `waveforms` as it comes.
    void show_state(const BarState& state, Waveforms* waveforms);
    const BarState& state() const { return m_state; }
    /// The place under x (in the bar's pixels), kept within the tip.
    int position_at(int x) const;
    /// Move as a click there does.
    void move_to(int position_ms);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int x_of(int position_ms) const;
    void fetch_waveform();

    Moved m_moved;
    BarState m_state;
    Waveforms* m_waveforms = nullptr;
    QTimer m_fetch; ///< while the waveform is still being made
    std::optional<int> m_hover_ms;
    std::optional<int> m_drag_ms;
};

/// The slider a screen reader reads for the bar.
void install_position_bar_accessibility();

/// The bar's own colours, chosen for the palette's base: darker on a light
/// one, lighter on a dark or high-contrast one, each clear of the base.
struct BarColours
{
    QColor waveform;
    QColor zero_mark;
    QColor position;
};
BarColours bar_colours(const QPalette& palette);

} // namespace cuedeck
