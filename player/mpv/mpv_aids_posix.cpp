// The clarity aids as mpv's labelled filters, the volume above 100 % while
// Louder is on, and the A-B loop.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "player/mpv/clarity_filters.h"
#include "player/mpv/mpv_backend.h"
#include "player/mpv/mpv_calls.h"

namespace cuedeck {

using namespace mpv_detail;

namespace {

/// Whether the aid's entry differs between what is built and what is asked.
bool differs(const ClarityAids& built, const ClarityAids& wanted, Aid aid)
{
    if (aid_on(built, aid) != aid_on(wanted, aid))
        return true;
    return aid == Aid::Channel && built.channel != wanted.channel;
}

} // namespace

void MpvBackend::set_aids(const ClarityAids& aids)
{
    Budget budget(*this);
    m_acted = true;
    m_aids = aids;
    if (!m_aids.louder)
        m_boost = 0;
    build_aids();
}

void MpvBackend::build_aids()
{
    // mpv builds a filter only while sound plays through the list; with no
    // track it would take any entry, and a bad one would silence the next
    // file. Built once a track is loaded, then; mpv keeps the list from one
    // file to the next, so a chain already built is left as it is.
    if ((m_built && *m_built == m_aids) || !Calls::one(*this, ipc("get_property", "audio-params")))
        return;
    // Entries of ours that are off go together; removing one that is not
    // there does nothing.
    std::vector<Json> removals;
    for (const Aid aid : every_aid) {
        if (!aid_on(m_aids, aid) && (!m_built || aid_on(*m_built, aid)))
            removals.push_back(ipc("af", "remove", mpv_filters::label(aid)));
    }
    if (!removals.empty())
        Calls::all(*this, removals);
    for (const Aid aid : every_aid) {
        if (!aid_on(m_aids, aid) || (m_built && !differs(*m_built, m_aids, aid)))
            continue;
        // An entry whose label is in the list already is replaced where it
        // stands; the others are left running.
        if (Calls::one(*this, ipc("af", "add", mpv_filters::entry(aid, m_aids, m_boost))))
            continue;
        if (m_missed)
            return; // no answer: built again at the next change or load
        // Refused (an older mpv or FFmpeg): no longer asked for.
        m_aids = without(m_aids, aid);
        Calls::one(*this, ipc("af", "remove", mpv_filters::label(aid)));
    }
    if (!m_missed)
        m_built = m_aids;
}

void MpvBackend::change_volume(int step)
{
    const bool louder = m_aids.louder && m_built && m_built->louder;
    if (louder) {
        const int volume = get_int("volume");
        if ((step > 0 && volume >= 100) || (step < 0 && m_boost > 0)) {
            const int boost = std::clamp(m_boost + step, 0, mpv_filters::most_boost);
            if (boost != m_boost &&
                Calls::one(*this, ipc("af", "add", mpv_filters::entry(Aid::Louder, m_aids, boost))))
                m_boost = boost;
            return;
        }
    }
    Calls::one(*this, ipc("add", "volume", step));
}

void MpvBackend::set_loop(std::optional<LoopStretch> stretch)
{
    Budget budget(*this);
    m_acted = true;
    if (stretch)
        Calls::all(*this, {ipc("set_property", "ab-loop-a", stretch->start_ms / 1000.0),
                           ipc("set_property", "ab-loop-b", stretch->end_ms / 1000.0)});
    else
        Calls::all(*this, {ipc("set_property", "ab-loop-a", "no"),
                           ipc("set_property", "ab-loop-b", "no")});
}

void MpvBackend::show_subtitles(const std::optional<std::string>& srt)
{
    Budget budget(*this);
    m_draft_track.reset();
    // The one added before is the one selected (Cuedeck starts mpv loading
    // none by itself); a file without it has no track to take away.
    Calls::all(*this, {ipc("sub-remove")});
    if (!srt || m_location.socket_path.empty())
        return;
    const std::string path = draft_track_path();
    const std::string written = path + ".new";
    {
        std::ofstream file(written, std::ios::binary | std::ios::trunc);
        file << *srt;
        if (!file.flush())
            return;
    }
    if (std::rename(written.c_str(), path.c_str()) != 0)
        return;
    // Counted before the track is added: a load told of with its reply may
    // have come after it, and is looked at.
    const std::uint64_t loads = m_protocol->files_loaded();
    // Stopped, mpv has no path: the draft is the selected entry's.
    const auto answers =
        Calls::all(*this, {ipc("get_property", "path"), ipc("get_property", "playlist-pos")});
    std::string recording = text_of(answers[0]);
    if (recording.empty() && int_of(answers[1]) >= 0)
        recording = text_of(
            Calls::one(*this, ipc("get_property", entry_property(int_of(answers[1]), "filename"))));
    m_draft_track = DraftTrack{recording, loads};
    Calls::all(*this, {ipc("sub-add", path, "select", "Draft")});
}

void MpvBackend::keep_draft_track()
{
    if (!m_draft_track || m_draft_track->loads_seen == m_protocol->files_loaded())
        return;
    Budget budget(*this);
    const std::uint64_t loads = m_protocol->files_loaded();
    const auto answers =
        Calls::all(*this, {ipc("get_property", "path"), ipc("get_property", "track-list")});
    if (m_missed)
        return; // looked at again at the next status
    m_draft_track->loads_seen = loads;
    if (text_of(answers[0]) != m_draft_track->recording) {
        // Another recording: the controller shows its draft, if it has one.
        m_draft_track.reset();
        return;
    }
    const std::string path = draft_track_path();
    if (answers[1] && answers[1]->is_array()) {
        for (const Json& track : *answers[1]) {
            if (track.is_object() && track.value("external-filename", Json()) == path)
                return; // added after this load began: there once is enough
        }
    }
    Calls::all(*this, {ipc("sub-add", path, "select", "Draft")});
}

} // namespace cuedeck
