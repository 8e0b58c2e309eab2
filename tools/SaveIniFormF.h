#pragma once
// TSaveIniForm: the base of the program's tool windows. It gives each of
// them the same life:
//
//   creation     remember the application's help file; window font
//                (ApplyFormFonts); layout hook; set-up hook; keep the caption
//                the window then has (at most 255 characters)
//   show         the kept caption again when it is not empty; normal cursor
//   resize       layout hook
//   destruction  the remembered help file becomes the application's again
//
// C++ cannot reach a derived class's hooks from a base constructor, so the
// creation runs in FormCreate(), after the most derived constructor: build
// windows with CreateForm<T>(...), which calls it. A window that is shown
// without it runs it just before it first becomes visible.

#include <QDialog>
#include <QString>
#include <string>
#include <utility>

namespace orvane {

class TSaveIniForm : public QDialog {
    Q_OBJECT
public:
    explicit TSaveIniForm(QWidget* parent = nullptr);
    ~TSaveIniForm() override;

    // The creation sequence; runs once, later calls do nothing.
    void FormCreate();
    bool IsCreated() const { return created_; }

    // The caption kept at creation, restored at every show.
    const QString& KeptCaption() const { return keptCaption_; }

    void setVisible(bool visible) override;

protected:
    // Set-up hook: fills the window. The base sets the caption to "".
    virtual void FormSetUp();
    // Layout hook: arranges the controls, at creation (before the set-up
    // hook, so it must cope with a window not yet filled) and on every resize.
    // The base does nothing.
    virtual void FormLayout();

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::string rememberedHelpFile_;
    QString keptCaption_;
    bool created_ = false;
};

// new T(args...) followed by its creation sequence.
template <class T, class... Args> T* CreateForm(Args&&... args)
{
    T* form = new T(std::forward<Args>(args)...);
    form->FormCreate();
    return form;
}

}  // namespace orvane
