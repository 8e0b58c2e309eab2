#include "tools/SaveIniFormF.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QShowEvent>

#include "tools/FormFonts.h"
#include "tools/help/ApplicationHelpFile.h"

namespace orvane {

namespace {
constexpr int kMaxCaption = 255;         // characters of the kept caption
constexpr int kMaxOverrideCursors = 64;  // bound on nested busy cursors to undo
}  // namespace

TSaveIniForm::TSaveIniForm(QWidget* parent) : QDialog(parent) { setObjectName("SaveIniForm"); }

TSaveIniForm::~TSaveIniForm()
{
    if (created_)
        SetApplicationHelpFile(rememberedHelpFile_);
}

void TSaveIniForm::FormCreate()
{
    if (created_)
        return;
    created_ = true;
    rememberedHelpFile_ = ApplicationHelpFile();
    ApplyFormFonts(this);
    FormLayout();
    FormSetUp();
    keptCaption_ = windowTitle().left(kMaxCaption);
}

void TSaveIniForm::FormSetUp() { setWindowTitle(QString()); }

void TSaveIniForm::FormLayout() { }

void TSaveIniForm::setVisible(bool visible)
{
    if (visible && !created_)
        FormCreate();
    QDialog::setVisible(visible);
}

void TSaveIniForm::showEvent(QShowEvent* event)
{
    if (!keptCaption_.isEmpty())
        setWindowTitle(keptCaption_);
    // A busy cursor set by whoever opened the window ends here.
    for (int i = 0; i < kMaxOverrideCursors && QGuiApplication::overrideCursor(); ++i)
        QGuiApplication::restoreOverrideCursor();
    unsetCursor();
    QDialog::showEvent(event);
}

void TSaveIniForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (created_)
        FormLayout();
}

}  // namespace orvane
