// MainForm, the one window: the library tree on the left, the stack of panels on the right, the
// code box below them with the two command buttons and the status line beside it.
//
// Each user action runs one handler named after its control and event. The window owns every
// control and the code-generation module; the module reads the panels through the PanelStack
// and writes back through the CodeWindow interface, which the window implements.
#pragma once

#include <memory>

#include <QLabel>
#include <QWidget>

#include "codegen/adc.h"

class CodeBox;
class LibraryTree;
class MessageBoxes;
class PanelStack;
class QPushButton;

// A label that reports a click: press and release with the left button inside it, or Space or
// Enter while it has the focus. It takes the focus by Tab, and shows it as buttons do.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
    void click() { Q_EMIT clicked(); }
Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};

class MainForm final : public QWidget, private CodeWindow {
    Q_OBJECT
public:
    // Without a seam of its own the window shows real message boxes.
    explicit MainForm(MessageBoxes *messages = nullptr, QWidget *parent = nullptr);
    ~MainForm() override;

    ADC &adc() { return *m_adc; }
    PanelStack &panels() { return *m_panels; }
    CodeBox *showcode() const { return m_showcode; }
    QLabel *tips() const { return m_tips; }
    LibraryTree *treeView() const { return m_tree; }
    void setMessageBoxes(MessageBoxes *messages);

    void buildcode_Click();
    void copycode_Click();
    void Tips_Click();
    void TreeView_NodeClick(const QString &key);
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    bool Form_Unload(); // true when the user agrees to close

    void setShowcode(const QString &text) override;
    void setTips(const QString &caption) override;

    std::unique_ptr<MessageBoxes> m_ownMessages;
    MessageBoxes *m_messages = nullptr;
    std::unique_ptr<PanelStack> m_panels;
    std::unique_ptr<ADC> m_adc;
    LibraryTree *m_tree = nullptr;
    CodeBox *m_showcode = nullptr;
    QPushButton *m_buildcode = nullptr;
    QPushButton *m_copycode = nullptr;
    ClickLabel *m_tips = nullptr;
    bool m_sessionEnding = false;
};
