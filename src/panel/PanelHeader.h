#pragma once

#include <QMenu>
#include <QWidget>

class QAction;
class QLabel;
class QToolButton;
class QWidgetAction;

namespace glowdeck {

class Lights;
class Spinner;

// The panel's first row: the title, a spinner while a scan runs, the rediscover button and the
// options menu. The menu is put together as it opens, from the controller's current light.
class PanelHeader : public QWidget {
    Q_OBJECT
public:
    explicit PanelHeader(Lights& lights, QWidget* parent = nullptr);

    void showScanning(bool scanning);

    QToolButton* rediscoverButton() const { return rediscover_; }
    QToolButton* optionsButton() const { return options_; }
    Spinner* spinner() const { return spinner_; }
    QMenu* optionsMenu() { return &menu_; }
    // "Quit Glowdeck", Ctrl+Q: the owner also adds it to its window so the shortcut works there.
    QAction* quitAction() const { return quit_; }
    // "Start at Login", checkable, in every state just above Quit; whoever knows how to start the
    // program at login sets its check mark as the menu opens and acts on it.
    QAction* startAtLoginAction() const { return startAtLogin_; }
    void openMenu();

Q_SIGNALS:
    void addRequested();
    void renameRequested();
    void forgetRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void populate();
    void restyle();

    Lights& lights_;
    Spinner* spinner_;
    QToolButton* rediscover_;
    QToolButton* options_;
    QMenu menu_;
    QAction* add_;
    QAction* rename_;
    QAction* forget_;
    QWidgetAction* address_;
    QLabel* addressLabel_;
    QAction* startAtLogin_;
    QAction* quit_;
};

} // namespace glowdeck
