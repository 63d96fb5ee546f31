// What the run shows in the window: the fields, as a screen reader names
// them too, the position bar, the STOP picture and the title.
#include <QLabel>

#include "front/window_resources.h"
#include "ui/draft_line.h"
#include "ui/main_window.h"
#include "ui/position_bar.h"
#include "ui/qt_text.h"
#include "ui/spoken.h"

namespace cuedeck {

namespace {

/// How a screen reader names a field: by its label, then what it shows
/// ("Counter 1:23"); a status that says what it is ("Speed 90 %") by what
/// it shows alone, and by its name while it shows nothing.
struct SpokenField
{
    FieldId field;
    const char* name;
    bool named_with_text;
};

constexpr SpokenField spoken_fields[] = {
    {FieldId::TipLength, TEXT_TIP_LENGTH, true},    {FieldId::Position, TEXT_POSITION, true},
    {FieldId::Counter, TEXT_COUNTER, true},         {FieldId::Playing, TEXT_PLAYING, true},
    {FieldId::Playlist, TEXT_PLAYLIST, true},       {FieldId::TipTimer, TEXT_TIP_TIMER, true},
    {FieldId::SoundState, UI_TEXT("Sound"), false}, {FieldId::Speed, UI_TEXT("Speed"), false},
    {FieldId::DeviceState, TEXT_OPT_PEDAL, false},  {FieldId::Loop, UI_TEXT("Loop"), false},
    {FieldId::Aids, UI_TEXT("Clarity aids"), true},
};

QString spoken_name(FieldId field, const QString& shown)
{
    for (const SpokenField& spoken : spoken_fields) {
        if (spoken.field != field)
            continue;
        if (shown.isEmpty())
            return ui_text(spoken.name);
        return spoken.named_with_text ? ui_text(spoken.name) + ' ' + shown : shown;
    }
    return shown;
}

} // namespace

void MainWindow::set_field_text(FieldId field, const std::string& text)
{
    const auto found = m_fields.find(field);
    if (found == m_fields.end())
        return;
    QLabel* label = found->second;
    const QString whole = to_qt(text);
    const QString before = label->toolTip().isEmpty() ? label->text() : label->toolTip();
    if (before == whole && !label->accessibleName().isEmpty())
        return; // the same again: a screen reader is not told it each second
    // Too long for its field, a text shows its start, which says what is
    // wrong; the whole is its tooltip and what a screen reader reads.
    const QString shown =
        label->wordWrap()
            ? whole
            : label->fontMetrics().elidedText(whole, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == whole ? QString() : whole);
    label->setAccessibleName(spoken_name(field, whole));
    // A notice said aloud is not left to be read once it has gone.
    if (!before.isEmpty() && m_spoken->accessibleName() == before)
        m_spoken->quiet();
}

void MainWindow::show_bar(const BarState& bar)
{
    if (m_bar != nullptr)
        m_bar->show_state(bar, m_session.waveforms());
}

void MainWindow::show_draft_line(const cues::Shown& line)
{
    const bool was_open = m_draft_line->isVisible();
    if (!m_draft_line->show_cues(line) || line.drafted == was_open)
        return;
    // Open or close the room under the bar.
    const int room = line.drafted ? m_draft_room_px : 0;
    for (const auto& [below, at] : m_below_draft)
        below->move(at.topLeft() + QPoint(0, room));
    m_draft_line->parentWidget()->setFixedSize(m_client_size + QSize(0, room));
    m_draft_line->setVisible(line.drafted);
    fit_the_screen();
    adjustSize();
}

void MainWindow::show_alarm_picture(bool shown)
{
    if (shown == m_stop_picture->isVisible())
        return;
    if (shown)
        m_stop_picture->say(ui_text(UI_TEXT("STOP: the tip timer has run out")));
    else
        m_stop_picture->quiet();
}

void MainWindow::set_title(const std::string& title)
{
    setWindowTitle(to_qt(title));
}

void MainWindow::return_focus()
{
    setFocus(Qt::OtherFocusReason);
}

void MainWindow::announce(const std::string& text)
{
    m_spoken->say(to_qt(text));
}

} // namespace cuedeck
