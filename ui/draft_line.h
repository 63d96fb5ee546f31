#pragma once

#include <QLabel>
#include <QWidget>

#include "control/state/cues.h"

namespace cuedeck {

/// Under the position bar: the cue heard (up to two lines, shortened with
/// an ellipsis beyond them) and, dimmer, the one that comes next. Each is
/// a read-out a screen reader finds by name ("Draft", "Next"). Text that
/// runs right to left is set from the right.
class DraftLine : public QWidget
{
public:
    explicit DraftLine(QWidget* parent);

    /// Show these cues; false when nothing changed.
    bool show_cues(const cues::Shown& shown);
    const cues::Shown& shown() const { return m_shown; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void lay_out();

    QLabel* m_heard;
    QLabel* m_next;
    cues::Shown m_shown;
};

} // namespace cuedeck
