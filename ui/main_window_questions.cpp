// The window's questions, messages and choosers, each open under a
// Session::Question, and the clipboard.
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "control/run/playable.h"
#include "front/window_resources.h"
#include "ui/file_filter.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace cuedeck {

namespace {

/// The save question. It may come up while the user is typing elsewhere (a
/// file handed over from a terminal or a file manager brings the window
/// forward), so no stray key answers it: no button is the default or has the
/// focus, and Enter, Space, Escape and plain letters do nothing. Alt+Y and
/// Alt+N, Tab to a button, or the mouse answer; the close box does not.
class YesNoBox : public QMessageBox
{
public:
    YesNoBox(const QString& caption, const QString& text, QWidget* parent, bool cancellable = false)
        : QMessageBox(QMessageBox::Warning, caption, text,
                      QMessageBox::Yes | QMessageBox::No |
                          (cancellable ? QMessageBox::Cancel : QMessageBox::NoButton),
                      parent)
    {
        setTextFormat(Qt::PlainText);
        setWindowFlag(Qt::WindowCloseButtonHint, false);
        setFocusPolicy(Qt::StrongFocus);
        for (QAbstractButton* button : buttons()) {
            if (auto* push = qobject_cast<QPushButton*>(button)) {
                push->setAutoDefault(false);
                push->setDefault(false);
            }
        }
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        setFocus(Qt::OtherFocusReason);
    }
    void keyPressEvent(QKeyEvent* event) override { event->accept(); }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

/// Messages are captioned with the program's name as people write it (its
/// file is cuedeck).
QString program_name()
{
    return TEXT_PROGRAM_NAME;
}

} // namespace

void MainWindow::put_on_clipboard(const std::string& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(to_qt(text));
    if (clipboard->supportsSelection()) // X11: a middle click pastes it too
        clipboard->setText(to_qt(text), QClipboard::Selection);
}

std::string MainWindow::clipboard_text()
{
    return from_qt(QGuiApplication::clipboard()->text());
}

std::optional<std::string> MainWindow::ask_place()
{
    bool accepted = false;
    const Session::Question question(m_session);
    const QString text =
        QInputDialog::getText(this, ui_text(TEXT_GO_TO_CAPTION), ui_text(place_prompt),
                              QLineEdit::Normal, QString(), &accepted);
    if (!accepted)
        return std::nullopt;
    return from_qt(text);
}

bool MainWindow::ask_yes_no(const std::string& text, const std::string& caption)
{
    const Session::Question question(m_session);
    YesNoBox box(to_qt(caption), to_qt(text), this);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> MainWindow::ask_yes_no_cancel(const std::string& text,
                                                  const std::string& caption)
{
    const Session::Question question(m_session);
    YesNoBox box(to_qt(caption), to_qt(text), this, true);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel)
        return std::nullopt;
    return answer == QMessageBox::Yes;
}

void MainWindow::show_message(const std::string& text)
{
    const Session::Question question(m_session);
    QMessageBox box(QMessageBox::NoIcon, program_name(), to_qt(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MainWindow::offer_locate(const std::string& text)
{
    const Session::Question question(m_session);
    QMessageBox box(QMessageBox::Warning, program_name(), to_qt(text), QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    QPushButton* locate = box.addButton(ui_text(UI_TEXT("Locate…")), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == locate;
}

std::optional<std::string> MainWindow::choose_file(const FileChoice& choice)
{
    const Session::Question question(m_session);
    QFileDialog chooser(this);
    chooser.setAcceptMode(choice.mode == FileDialogMode::Open ? QFileDialog::AcceptOpen
                                                              : QFileDialog::AcceptSave);
    // As the Windows chooser does, an open chooser also takes the typed name
    // of a file that does not exist (opening it then says so); a save chooser
    // asks before replacing one.
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(QString::fromStdString(qt_name_filters(choice.filter)));
    chooser.setDefaultSuffix(QString::fromStdString(choice.default_extension));
    if (!choice.caption.empty())
        chooser.setWindowTitle(to_qt(choice.caption));
    if (!choice.suggested.empty()) {
        const QFileInfo suggested(to_qt(choice.suggested));
        chooser.setDirectory(suggested.absolutePath());
        chooser.selectFile(suggested.fileName());
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return from_qt(chooser.selectedFiles().first());
}

std::vector<std::string> MainWindow::choose_recordings(RecordingChoice choice)
{
    const Session::Question question(m_session);
    const bool folder = choice == RecordingChoice::Folder;
    QFileDialog chooser(this, ui_text(folder ? folder_caption : recordings_caption));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    if (folder) {
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOption(QFileDialog::ShowDirsOnly);
    } else {
        chooser.setFileMode(QFileDialog::ExistingFiles);
        chooser.setNameFilter(to_qt(qt_name_filters(translated(music_filter))));
    }
    std::vector<std::string> chosen;
    if (chooser.exec() == QDialog::Accepted) {
        for (const QString& path : chooser.selectedFiles())
            chosen.push_back(from_qt(path));
    }
    return chosen;
}

} // namespace cuedeck
