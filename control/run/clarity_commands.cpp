// The clarity aids and the loop of a hard stretch: the controller's commands.
#include <algorithm>

#include "base/translation.h"
#include "control/commands/commands.h"
#include "control/run/controller.h"

namespace cuedeck {

namespace {

/// How the status names an aid that is on.
std::string short_name(Aid aid, const ClarityAids& aids)
{
    switch (aid) {
    case Aid::Channel:
        return translated(aids.channel == Channel::Left    ? UI_TEXT("Left")
                          : aids.channel == Channel::Right ? UI_TEXT("Right")
                                                           : UI_TEXT("Mixed"));
    case Aid::VoiceBand:
        return translated(UI_TEXT("Voice band"));
    case Aid::ReduceNoise:
        return translated(UI_TEXT("Noise"));
    case Aid::EvenLoudness:
        return translated(UI_TEXT("Even"));
    case Aid::Louder:
        return translated(UI_TEXT("Louder"));
    }
    return {};
}

/// The command that switches the aid (for the channel, the one heard).
Command command_of(Aid aid, const ClarityAids& aids)
{
    switch (aid) {
    case Aid::Channel:
        return aids.channel == Channel::Left    ? Command::ChannelLeft
               : aids.channel == Channel::Right ? Command::ChannelRight
                                                : Command::ChannelMixed;
    case Aid::VoiceBand:
        return Command::VoiceBand;
    case Aid::ReduceNoise:
        return Command::ReduceNoise;
    case Aid::EvenLoudness:
        return Command::EvenLoudness;
    case Aid::Louder:
        return Command::Louder;
    }
    return Command::ReduceNoise;
}

/// The aid as its menu item names it, without the mnemonic's ampersand.
std::string menu_name(Command command)
{
    for (const MenuItem& item : aids_menu_table()) {
        if (item.command == command) {
            std::string name = translated(item.label);
            std::erase(name, '&');
            return name;
        }
    }
    return {};
}

} // namespace

void Controller::reduce_noise()
{
    toggle_aid(Aid::ReduceNoise);
}

void Controller::voice_band()
{
    toggle_aid(Aid::VoiceBand);
}

void Controller::even_loudness()
{
    toggle_aid(Aid::EvenLoudness);
}

void Controller::louder()
{
    toggle_aid(Aid::Louder);
}

void Controller::channel_both()
{
    hear_channel(Channel::Both);
}

void Controller::channel_left()
{
    hear_channel(Channel::Left);
}

void Controller::channel_right()
{
    hear_channel(Channel::Right);
}

void Controller::channel_mixed()
{
    hear_channel(Channel::Mixed);
}

void Controller::toggle_aid(Aid aid)
{
    ClarityAids aids = m_state.aids;
    if (aid_on(aids, aid)) {
        aids = without(aids, aid);
    } else {
        aids.reduce_noise |= aid == Aid::ReduceNoise;
        aids.voice_band |= aid == Aid::VoiceBand;
        aids.even_loudness |= aid == Aid::EvenLoudness;
        aids.louder |= aid == Aid::Louder;
    }
    use_aids(aids);
}

void Controller::hear_channel(Channel channel)
{
    ClarityAids aids = m_state.aids;
    aids.channel = channel;
    use_aids(aids);
}

void Controller::use_aids(const ClarityAids& aids)
{
    if (!m_state.aids_control)
        return;
    reach_player();
    m_state.aids = aids;
    m_player.set_aids(aids);
    follow_aids();
    m_view->return_focus();
}

void Controller::follow_aids()
{
    if (!m_state.aids_control)
        return;
    const ClarityAids in_effect = m_player.aids_in_effect();
    std::string refused;
    for (const Aid aid : every_aid) {
        if (aid_on(m_state.aids, aid) && !aid_on(in_effect, aid)) {
            refused += refused.empty() ? "" : ", ";
            refused += menu_name(command_of(aid, m_state.aids));
        }
    }
    m_state.aids = in_effect;
    show_aids_state();
    // Told once: the aid is off now, and not asked for again.
    if (!refused.empty())
        m_view->tell(translated(
            UI_TEXT("%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off."),
            {m_player.name(), refused}));
}

std::string Controller::aids_text() const
{
    std::string text;
    for (const Aid aid : every_aid) {
        if (aid_on(m_state.aids, aid))
            text += (text.empty() ? "" : ", ") + short_name(aid, m_state.aids);
    }
    return text;
}

void Controller::show_aids_state()
{
    m_view->set_field_text(FieldId::Aids, aids_text());
}

void Controller::loop()
{
    if (!m_state.loop_control)
        return;
    reach_player();
    // The tip and the place together, as one refresh reads them.
    const auto status = m_player.status();
    if (!status)
        return; // no player, or no answer: nothing is set
    show_status(status);
    m_state.loop = loop::pressed(m_state.loop, status->playlist_index, status->position_ms);
    if (m_state.loop && m_state.loop->end_ms) {
        m_player.set_loop(LoopStretch{m_state.loop->start_ms, *m_state.loop->end_ms});
        // The stretch plays from its start, over and over.
        m_player.jump_to(m_state.loop->start_ms);
        play();
    } else if (!m_state.loop) {
        m_player.set_loop(std::nullopt);
    }
    show_loop_state();
    refresh();
    m_view->return_focus();
}

void Controller::end_loop()
{
    if (!m_state.loop)
        return;
    if (m_state.loop->end_ms)
        m_player.set_loop(std::nullopt);
    m_state.loop.reset();
    show_loop_state();
}

void Controller::show_loop_state()
{
    m_view->set_field_text(FieldId::Loop, loop::text(m_state.loop));
}

} // namespace cuedeck
