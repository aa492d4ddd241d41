#pragma once
// The small window that names the program. It takes the editor's place while
// it is open and hands its own place back to the editor when it closes.
#include <QWidget>

class QLabel;
class QPushButton;

namespace session {
class Session;
}

namespace about {

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(session::Session &session, QWidget *parent = nullptr);
    ~AboutWindow() override;

    // The editor hides itself, then calls this with its own top left corner.
    void openAt(const QPoint &topLeft);

    // Moves the editor to this window's current corner (the user may have
    // dragged it), hides this window and shows the editor. "O k a y" and
    // the close box both end here.
    void closeToEditor();

    // The texts of the notice and author labels; lines joined with "\n".
    static QString noticeText();
    static QString authorText();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();

    session::Session &m_session;
    QLabel *m_noticeLabel = nullptr;
    QLabel *m_authorLabel = nullptr;
    QPushButton *m_okayField = nullptr;
};

} // namespace about
