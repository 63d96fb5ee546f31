// Writes the program's pictures, drawn by its own code, as files:
//
//     cuedeck_make_pictures icon FILE.png [SIZE]   the desktop icon, SIZE pixels square (128)
//     cuedeck_make_pictures screenshot FILE.png    the main window on a made-up tape group
//     cuedeck_make_pictures ico FILE.ico           icon 128 of the Windows build (32 and 16 px)
//     cuedeck_make_pictures bmp FILE.bmp           bitmap 131 of the Windows build (STOP)
//
// The Windows pictures use the 16 standard colours. Runs on any Qt
// platform, the offscreen one included.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "control/run/command_bodies.h"
#include "player/player_backend.h"
#include "system/posix_system.h"
#include "system/waveforms.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

namespace {

const QList<QRgb> standard_colours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

void put16(std::vector<unsigned char>& out, unsigned value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

/// The 40-byte header, the 16-colour palette and the 4-bit rows, bottom up.
/// For an icon the height is doubled and a 1-bit transparency mask follows.
std::vector<unsigned char> four_bit_dib(const QImage& picture, bool with_mask)
{
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8, standard_colours,
                                                   Qt::ThresholdDither | Qt::AvoidDither);
    const int width = picture.width();
    const int height = picture.height();
    const int row_bytes = ((width + 1) / 2 + 3) / 4 * 4;
    const int mask_row_bytes = ((width + 7) / 8 + 3) / 4 * 4;
    std::vector<unsigned char> out;
    put32(out, 40);
    put32(out, static_cast<unsigned>(width));
    put32(out, static_cast<unsigned>(with_mask ? height * 2 : height));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out,
          static_cast<unsigned>(row_bytes * height + (with_mask ? mask_row_bytes * height : 0)));
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (const QRgb colour : standard_colours) {
        out.push_back(static_cast<unsigned char>(qBlue(colour)));
        out.push_back(static_cast<unsigned char>(qGreen(colour)));
        out.push_back(static_cast<unsigned char>(qRed(colour)));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(row_bytes), 0);
        for (int x = 0; x < width; ++x) {
            const int index = qAlpha(picture.pixel(x, y)) < 128 ? 0 : indexed.pixelIndex(x, y);
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<unsigned char>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    if (with_mask) {
        for (int y = height - 1; y >= 0; --y) {
            std::vector<unsigned char> row(static_cast<std::size_t>(mask_row_bytes), 0);
            for (int x = 0; x < width; ++x) {
                if (qAlpha(picture.pixel(x, y)) < 128)
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<unsigned char>(0x80 >> (x % 8));
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

bool write_file(const char* path, const std::vector<unsigned char>& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

bool write_bmp(const char* path)
{
    const std::vector<unsigned char> dib = four_bit_dib(cuedeck::stop_picture().toImage(), false);
    std::vector<unsigned char> out = {'B', 'M'};
    put32(out, static_cast<unsigned>(14 + dib.size()));
    put32(out, 0);
    put32(out, 14 + 40 + 16 * 4);
    out.insert(out.end(), dib.begin(), dib.end());
    return write_file(path, out);
}

bool write_ico(const char* path)
{
    const int sizes[] = {32, 16};
    std::vector<std::vector<unsigned char>> images;
    for (const int size : sizes)
        images.push_back(
            four_bit_dib(cuedeck::application_icon().pixmap(size, size).toImage(), true));
    std::vector<unsigned char> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 2);
    unsigned offset = 6 + 16 * 2;
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<unsigned char>(sizes[i]));
        out.push_back(static_cast<unsigned char>(sizes[i]));
        out.push_back(16);
        out.push_back(0);
        put16(out, 1);
        put16(out, 4);
        put32(out, static_cast<unsigned>(images[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return write_file(path, out);
}

/// A player paused in tip 5 of a long tape group, for the screenshot.
class PicturePlayer : public cuedeck::PlayerBackend
{
public:
    int position_ms = 61000;

    bool find() override { return true; }
    bool start() override { return true; }
    bool alive() override { return true; }
    void command(cuedeck::PlayerCommand) override {}
    std::optional<int> request(cuedeck::PlayerRequest request, int wparam) override
    {
        switch (request) {
        case cuedeck::PlayerRequest::PlayState:
            return cuedeck::play_state::paused;
        case cuedeck::PlayerRequest::Position:
            return wparam == 1 ? 185 : position_ms;
        case cuedeck::PlayerRequest::PlaylistLength:
            return 12;
        case cuedeck::PlayerRequest::PlaylistIndex:
            return 4;
        default:
            return 0;
        }
    }
    std::string caption() override { return "5. Interview with the harbour master - mpv"; }
    std::optional<cuedeck::PlayerStatus> status() override
    {
        auto status = cuedeck::PlayerBackend::status();
        if (status)
            status->file = "/home/ann/Tape Groups/harbour 5.mp3";
        return status;
    }
    bool hand_over(const std::string&) override { return true; }
    void close() override {}
    std::string name() const override { return "mpv"; }
    std::string location() const override { return "mpv"; }
};

/// Speech with pauses between its phrases, made up for the screenshot.
class PictureWaveforms : public cuedeck::Waveforms
{
public:
    PictureWaveforms()
    {
        auto made = std::make_shared<cuedeck::Waveform>();
        unsigned noise = 12345;
        for (int ms = 0; ms < 185'000; ms += cuedeck::waveform::stretch_ms) {
            noise = noise * 1103515245 + 12345;
            const int in_phrase = ms % 7300;
            const bool breath = (ms / 7300) % 4 == 2 && in_phrase > 2600 && in_phrase < 3100;
            const bool pause = in_phrase > 6400 || breath;
            const float syllable = 0.25F + 0.75F * float((ms / 180) % 5) / 4.0F;
            const float loud = pause ? 0.004F : syllable * float(noise >> 16 & 0x7fff) / 32768.0F;
            made->levels.push_back(cuedeck::waveform::level_of_peak(std::max(loud, 0.003F)));
        }
        made->complete = true;
        made->pauses = cuedeck::waveform::find_pauses(made->levels);
        m_made = std::move(made);
    }
    std::shared_ptr<const cuedeck::Waveform> waveform(const std::string&, int) override
    {
        return m_made;
    }

private:
    std::shared_ptr<const cuedeck::Waveform> m_made;
};

bool write_screenshot(const char* path)
{
    PicturePlayer player;
    PictureWaveforms waveforms;
    cuedeck::PosixSystem system({"cuedeck"});
    cuedeck::Session session(player, system, [](const std::function<void()>&) {});
    session.controller().use_waveforms(&waveforms);
    cuedeck::MainWindow window(session);
    auto& controller = window.controller();
    controller.connect_player();
    // The zero mark at 1:01, then 22 s on; a five-minute tip timer 38 s in.
    cuedeck::run_command(controller, cuedeck::Command::Zero);
    player.position_ms = 83000;
    cuedeck::Options options = controller.options();
    options.tip_time = 5;
    options.play_using = 0;
    options.back_time = 2;
    controller.apply_options(options);
    cuedeck::run_command(controller, cuedeck::Command::TipTimer);
    cuedeck::run_command(controller, cuedeck::Command::PlayPause);
    for (int second = 0; second < 38; ++second)
        controller.tick();
    // A recognizer's draft of the tip, the cue at 1:23 heard (the script
    // keeps the choice of it in a state folder of its own).
    system.make_directories(system.state_directory());
    const std::string draft = system.state_directory() + "harbour 5.srt";
    std::FILE* file = std::fopen(draft.c_str(), "w");
    if (file != nullptr) {
        std::fputs("1\n00:01:19,200 --> 00:01:24,900\n<v Harbour master>We kept the boats in "
                   "the inner basin until the ice broke, usually in the first week of March.\n\n"
                   "2\n00:01:24,900 --> 00:01:29,500\n<v Ann>And the fishermen waited for "
                   "that?\n",
                   file);
        std::fclose(file);
        controller.open_draft(draft);
    }
    window.set_field_text(cuedeck::FieldId::Playlist, "/home/ann/Tape Groups/Harbour 1974.m3u");
    window.set_title("Cuedeck - /home/ann/Tape Groups/Harbour 1974.grp");
    window.show();
    return window.grab().save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s icon|screenshot|ico|bmp FILE\n", argv[0]);
        return 2;
    }
    const std::string what = argv[1];
    bool written = false;
    if (what == "icon") {
        const int size = argc > 3 ? std::atoi(argv[3]) : 128;
        written = size > 0 && cuedeck::application_icon().pixmap(size, size).save(argv[2], "PNG");
    } else if (what == "screenshot")
        written = write_screenshot(argv[2]);
    else if (what == "ico")
        written = write_ico(argv[2]);
    else if (what == "bmp")
        written = write_bmp(argv[2]);
    if (!written)
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return written ? 0 : 1;
}
