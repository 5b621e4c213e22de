// A program object: owns the form manager, knows the services, the program
// folder and the title. Each program (SUMLET, QUORVEL) derives from Program,
// holds its state object and one FormSlot per form.
#pragma once

#include "forms/services.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace forms {

class Form;

// Loaded forms, the program's active form and the rules of Form_Activate.
class FormManager {
public:
    explicit FormManager(class Program& program);
    ~FormManager();

    // Takes a freshly built form and runs its Form_Load. onGone runs when the
    // form is unloaded (the slot forgets it).
    void adopt(std::unique_ptr<Form> form, std::function<void()> onGone);

    void show(Form& f);            // modeless
    void showModal(Form& f);       // returns when f is hidden or unloaded
    void hide(Form& f);
    void unload(Form& f);          // runs Form_Unload(Cancel) first
    void unloadAllSilently();      // End: no handler runs

    Form* activeForm() const { return active_; }
    bool isLoaded(const Form* f) const;
    std::vector<Form*> loadedForms() const;
    Form* find(const QString& name) const;   // a loaded form by objectName
    Form* modalForm() const;                 // the innermost modal form, if any

    // The window system says one of our windows became active (user click).
    void windowActivated(Form& f);
    // A form's close box: Form_Unload(Cancel), then unload unless cancelled.
    void closeRequested(Form& f);

    // Called when an event handler returns; at the outermost level it deletes
    // unloaded forms and activates the form that is active again.
    void settle();
    // Deletes unloaded forms now (tests; never inside a handler of them).
    void collectGarbage();

private:
    friend class Program;
    struct Entry { std::unique_ptr<Form> form; std::function<void()> onGone; };
    void activate(Form& f);
    void giveInitialFocus(Form& f);
    void forgetActive(Form& f);

    Program& program_;
    std::vector<Entry> loaded_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    std::vector<QPointer<Form>> history_;    // activation order, latest last
    std::vector<Form*> modal_;
    std::vector<int> modalDepth_;
    Form* active_ = nullptr;
    bool reactivatePending_ = false;
    bool everLoaded_ = false;
};

class Program : public QObject {
    Q_OBJECT
public:
    Program(Services& services, QString programFolder, QString title);
    ~Program() override;

    Services& services() const { return services_; }
    FormManager& forms() { return forms_; }
    QString ProgramFolder() const { return folder_; }
    QString Title() const { return title_; }   // title of plain message boxes

    // End: unloads every form without running a handler, closes nothing else
    // and tells the services to end. Handlers return right after calling it.
    void End();
    bool Ended() const { return ended_; }

    // Runs an event handler: counts the nesting, traps what it throws
    // (reported as an unhandled error) and settles the forms afterwards.
    void dispatch(const std::function<void()>& handler);
    int dispatchDepth() const { return depth_; }

private:
    Services& services_;
    QString folder_;
    QString title_;
    FormManager forms_;
    bool ended_ = false;
    int depth_ = 0;
};

// One form of a program, built when first used and gone after Unload; the
// next use builds a fresh one (as the old runtime's implicit form objects).
template <class T>
class FormSlot {
public:
    FormSlot(Program& program, std::function<std::unique_ptr<T>()> make)
        : program_(program), make_(std::move(make)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;

    bool Loaded() const { return form_ != nullptr; }
    T* get() const { return form_; }          // nullptr when not loaded
    // Builds the form and runs Form_Load when it is not loaded.
    T& Load()
    {
        if (form_) return *form_;
        auto made = make_();
        T* raw = made.get();
        form_ = raw;
        // After End the form is built but never loaded (it goes straight away).
        program_.forms().adopt(std::move(made), [this, raw] { if (form_ == raw) form_ = nullptr; });
        return *raw;
    }
    T& operator*() { return Load(); }
    T* operator->() { return &Load(); }

    void Show() { program_.forms().show(Load()); }
    void ShowModal() { program_.forms().showModal(Load()); }
    void Hide() { if (form_) program_.forms().hide(*form_); }
    void Unload() { if (form_) program_.forms().unload(*form_); }

private:
    Program& program_;
    std::function<std::unique_ptr<T>()> make_;
    T* form_ = nullptr;
};

} // namespace forms
