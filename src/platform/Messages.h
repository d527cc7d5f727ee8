#pragma once
// The one message module: every message box, question and file or colour
// dialog of the program and its plug-ins goes through here. The real module
// shows Qt dialogs; tests install a responder that records every message
// and answers as scripted.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <vector>

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class DlgType { Information, Warning, Error, Confirmation };
enum class MsgResult { OK, Cancel, Yes, No };

// A plain message box with its own caption.
MsgResult MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon);
// A typed dialog: the type gives the caption and the icon.
MsgResult MessageDlg(const QString& text, DlgType type, MsgButtons buttons);
// Information with an OK button and the application's title as caption.
void ShowMessage(const QString& text);

// File dialogs. The filter uses the "Описание|*.ext|Описание|*.*" form.
// An empty result means the user cancelled.
QString OpenFileDialog(QWidget* parent, const QString& filter, const QString& initialDir);
QString SaveFileDialog(QWidget* parent, const QString& filter, const QString& initialDir,
                       const QString& defaultExt);
// Returns false when the user cancelled; `color` is kept then.
bool ColorDialog(QWidget* parent, QColor& color);

// "Описание|*.a;*.b|Все|*.*" in Qt's form "Описание (*.a *.b);;Все (*.*)".
QString QtFileFilter(const QString& filter);

struct ShownMessage {
    enum class Kind { Box, Dialog, OpenFile, SaveFile, Color } kind = Kind::Box;
    QString text;
    QString caption;            // a dialog's is the one its type gives
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    DlgType type = DlgType::Information;  // dialogs only
    QString filter;             // file dialogs
    QString initialDir;         // file dialogs
    QString defaultExt;         // save dialogs
};

class MessageResponder {
public:
    virtual ~MessageResponder() = default;
    virtual MsgResult Answer(const ShownMessage& message) = 0;
    // A file name for file dialogs, empty to cancel.
    virtual QString AnswerFile(const ShownMessage& message) = 0;
    // A colour for the colour dialog; false to cancel.
    virtual bool AnswerColor(const ShownMessage& message, QColor& color) = 0;
};

// nullptr gives the real dialogs back.
void SetMessageResponder(MessageResponder* responder);

// The responder for tests: records every message, answers from the scripts
// in order, and with the default answer when a script runs out (OK for OK
// boxes, the first button otherwise; cancel for file and colour dialogs).
class ScriptedResponder : public MessageResponder {
public:
    ScriptedResponder();   // installs itself
    ~ScriptedResponder() override;  // gives the real dialogs back

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
    std::deque<QString> files;
    std::deque<QColor> colors;

    MsgResult Answer(const ShownMessage& message) override;
    QString AnswerFile(const ShownMessage& message) override;
    bool AnswerColor(const ShownMessage& message, QColor& color) override;

    QStringList Texts() const;
};
