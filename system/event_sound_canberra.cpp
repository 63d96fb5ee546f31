#include <canberra.h>

#include <atomic>

#include "system/posix_system.h"

namespace cuedeck {

struct EventSound::Context
{
    ca_context* context = nullptr;
};

EventSound::EventSound() : m_context(std::make_unique<Context>())
{
    if (ca_context_create(&m_context->context) != CA_SUCCESS)
        m_context->context = nullptr;
}

EventSound::~EventSound()
{
    if (m_context->context != nullptr)
        ca_context_destroy(m_context->context);
}

bool EventSound::play(const std::string& name_or_path)
{
    if (m_context->context == nullptr)
        return false;
    // Every sound gets its own id, so a new alarm never cancels one that is
    // still playing. The event name is tried in the sound theme first, then
    // the same text as a file name.
    static std::atomic<std::uint32_t> next_id{1};
    return ca_context_play(m_context->context, next_id++, CA_PROP_EVENT_ID, name_or_path.c_str(),
                           CA_PROP_MEDIA_FILENAME, name_or_path.c_str(),
                           CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr) == CA_SUCCESS;
}

} // namespace cuedeck
