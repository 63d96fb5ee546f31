// A recording's audio sent to a transcription server in the common form
// (POST /v1/audio/transcriptions, multipart), through libcurl: certificates
// verified, only http and https, the answer bounded in size and in time.
#include <curl/curl.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "files/draft_format.h"
#include "files/helper_messages.h"
#include "helper/jobs.h"

namespace cuedeck::helper {
namespace {

/// Connecting may take this long; the whole answer, `timeout_s`.
constexpr long connect_timeout_s = 15;

struct Answer
{
    std::FILE* file = nullptr;
    std::size_t written = 0;
    bool too_much = false;
};

std::size_t keep(char* bytes, std::size_t size, std::size_t count, void* to)
{
    auto& answer = *static_cast<Answer*>(to);
    const std::size_t got = size * count;
    if (answer.written + got > max_draft_bytes) {
        answer.too_much = true;
        return 0; // ends the transfer
    }
    answer.written += got;
    return std::fwrite(bytes, 1, got, answer.file);
}

/// The key in `key_file`: its first line, without blanks around it.
std::string key_in(const std::string& key_file)
{
    std::ifstream file(key_file);
    std::string key;
    std::getline(file, key);
    const auto first = key.find_first_not_of(" \t\r");
    const auto last = key.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
}

} // namespace

int send(const std::string& recording, std::int64_t from_ms, std::int64_t length_ms,
         const std::string& wav, const std::string& output, const std::string& url,
         const std::string& key_file, const std::string& language, long timeout_s)
{
    if (!made_audio(recording, wav, from_ms, length_ms))
        return 1;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(output.c_str(), "wbx"),
                                                               &std::fclose);
    if (!file) {
        say(failed(Trouble::Unwritable));
        return 1;
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
    const std::unique_ptr<curl_mime, void (*)(curl_mime*)> form(curl_mime_init(curl.get()),
                                                                &curl_mime_free);
    const auto field = [&](const char* name, const std::string& value) {
        curl_mimepart* part = curl_mime_addpart(form.get());
        curl_mime_name(part, name);
        curl_mime_data(part, value.c_str(), CURL_ZERO_TERMINATED);
    };
    curl_mimepart* audio = curl_mime_addpart(form.get());
    curl_mime_name(audio, "file");
    curl_mime_filedata(audio, wav.c_str());
    curl_mime_type(audio, "audio/wav");
    field("model", "whisper-1");
    field("response_format", "verbose_json");
    if (!language.empty() && language != "auto")
        field("language", language);
    curl_slist* headers = nullptr;
    if (!key_file.empty())
        headers = curl_slist_append(headers, ("Authorization: Bearer " + key_in(key_file)).c_str());
    const std::unique_ptr<curl_slist, void (*)(curl_slist*)> header_list(headers,
                                                                         &curl_slist_free_all);
    Answer answer{file.get()};
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl.get(), CURLOPT_MIMEPOST, form.get());
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &keep);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT, connect_timeout_s);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, timeout_s);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, error);
    const CURLcode result = curl_easy_perform(curl.get());
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (answer.too_much) {
        say(failed(Trouble::TooMuch));
        return 1;
    }
    if (result != CURLE_OK) {
        // The reason, never the key: libcurl's message names the address.
        std::fprintf(stderr, "%s\n", error[0] != 0 ? error : curl_easy_strerror(result));
        say(failed(Trouble::NoAnswer));
        return 1;
    }
    if (status >= 300) {
        std::fprintf(stderr, "HTTP %ld\n", status);
        say(failed(Trouble::Refused));
        return 1;
    }
    if (std::fflush(file.get()) != 0) {
        say(failed(Trouble::Unwritable));
        return 1;
    }
    say(encode({Message::Kind::Made, 0, 0, {}}));
    return 0;
}

} // namespace cuedeck::helper
