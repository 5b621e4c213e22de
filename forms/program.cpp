#include "forms/program.h"

#include "forms/control.h"
#include "forms/form.h"

#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace forms {

namespace {
// Brings a form's window to the front (the offscreen platform cannot).
void bringToFront(Form& f)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    f.raise();
    f.activateWindow();
}
} // namespace

// ---- Program -------------------------------------------------------------

Program::Program(Services& services, QString programFolder, QString title)
    : services_(services), folder_(std::move(programFolder)), title_(std::move(title)), forms_(*this)
{
}

Program::~Program() = default;

void Program::End()
{
    if (ended_) return;
    ended_ = true;
    forms_.unloadAllSilently();
    services_.EndProgram();
}

void Program::dispatch(const std::function<void()>& handler)
{
    if (ended_ || !handler) return;
    ++depth_;
    try {
        handler();
    } catch (const FormsError& e) {
        services_.UnhandledError(QStringLiteral("error %1: %2").arg(e.Number()).arg(e.Description()));
    } catch (const std::exception& e) {
        services_.UnhandledError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        services_.UnhandledError(QStringLiteral("unknown error"));
    }
    --depth_;
    forms_.settle();
}

// ---- FormManager ---------------------------------------------------------

FormManager::FormManager(Program& program) : program_(program) {}

FormManager::~FormManager()
{
    graveyard_.clear();
    for (auto& e : loaded_) e.form->loaded_ = false;
    loaded_.clear();
}

void FormManager::adopt(std::unique_ptr<Form> form, std::function<void()> onGone)
{
    Form* f = form.get();
    if (program_.Ended()) {
        f->loaded_ = false;
        if (onGone) onGone();
        graveyard_.push_back(std::move(form));
        return;
    }
    f->loaded_ = true;
    loaded_.push_back(Entry{std::move(form), std::move(onGone)});
    everLoaded_ = true;
    program_.dispatch([f] { f->Form_Load(); });
}

bool FormManager::isLoaded(const Form* f) const
{
    return std::any_of(loaded_.begin(), loaded_.end(), [f](const Entry& e) { return e.form.get() == f; });
}

std::vector<Form*> FormManager::loadedForms() const
{
    std::vector<Form*> out;
    for (const auto& e : loaded_) out.push_back(e.form.get());
    return out;
}

Form* FormManager::find(const QString& name) const
{
    for (const auto& e : loaded_)
        if (e.form->objectName() == name) return e.form.get();
    return nullptr;
}

Form* FormManager::modalForm() const { return modal_.empty() ? nullptr : modal_.back(); }

void FormManager::activate(Form& f)
{
    active_ = &f;
    reactivatePending_ = false;
    history_.erase(std::remove(history_.begin(), history_.end(), &f), history_.end());
    history_.emplace_back(&f);
    program_.dispatch([&f] { f.Form_Activate(); });
    if (isLoaded(&f) && f.isVisible()) giveInitialFocus(f);
}

namespace {
std::vector<ControlCore*> byTabIndex(const Form& f)
{
    std::vector<ControlCore*> cs = f.controls();
    // Given TabIndex values first, then the built numbers.
    const auto key = [](const ControlCore* c) { return std::pair(!c->tabIndexGiven(), c->TabIndex()); };
    std::stable_sort(cs.begin(), cs.end(), [&key](ControlCore* a, ControlCore* b) { return key(a) < key(b); });
    return cs;
}

// Tab order follows TabIndex; set once, when the form first shows.
void applyTabOrder(Form& f)
{
    if (f.property("forms_tabOrder").toBool()) return;
    f.setProperty("forms_tabOrder", true);
    QWidget* prev = nullptr;
    for (ControlCore* c : byTabIndex(f)) {
        if (!c->canTakeFocus()) continue;
        if (prev) QWidget::setTabOrder(prev, c->widget());
        prev = c->widget();
    }
}
} // namespace

void FormManager::giveInitialFocus(Form& f)
{
    if (f.ActiveControl()) return;
    for (ControlCore* c : byTabIndex(f)) {
        f.focusControl(c);
        if (f.ActiveControl()) return;
    }
}

void FormManager::forgetActive(Form& f)
{
    if (active_ == &f) {
        active_ = nullptr;
        reactivatePending_ = true;
    }
}

void FormManager::show(Form& f)
{
    if (program_.Ended() || !isLoaded(&f)) return;
    applyTabOrder(f);
    f.QWidget::show();
    bringToFront(f);
    if (active_ != &f) activate(f);
}

void FormManager::showModal(Form& f)
{
    if (program_.Ended() || !isLoaded(&f)) return;
    if (f.isVisible()) throw FormsError(400, QStringLiteral("Form already displayed; can't show modally"));
    QPointer<Form> caller = active_;
    QPointer<Form> guard = &f;
    f.setWindowModality(Qt::ApplicationModal);
    modal_.push_back(&f);
    modalDepth_.push_back(program_.dispatchDepth());
    applyTabOrder(f);
    f.QWidget::show();
    bringToFront(f);
    activate(f);
    if (guard && isLoaded(guard) && guard->isVisible() && !program_.Ended()) program_.services().RunModal(f);
    modal_.pop_back();
    modalDepth_.pop_back();
    if (program_.Ended()) return;
    if (guard && isLoaded(guard)) {
        if (guard->isVisible()) hide(*guard);   // a scripted modal left open
        guard->setWindowModality(Qt::NonModal);
    }
    if (guard) forgetActive(*guard);
    if (caller && isLoaded(caller) && caller->isVisible() && active_ == nullptr)
        activate(*caller);
}

void FormManager::hide(Form& f)
{
    if (!isLoaded(&f)) return;
    f.QWidget::hide();
    forgetActive(f);
    emit f.hiddenOrUnloaded();
}

void FormManager::unload(Form& f)
{
    if (!isLoaded(&f)) return;
    if (!program_.Ended()) {
        int cancel = 0;
        program_.dispatch([&f, &cancel] { f.Form_Unload(cancel); });
        if (cancel != 0 || !isLoaded(&f)) return;
    }
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&f](const Entry& e) { return e.form.get() == &f; });
    if (it == loaded_.end()) return;
    Entry entry = std::move(*it);
    loaded_.erase(it);
    f.loaded_ = false;
    f.QWidget::hide();
    forgetActive(f);
    history_.erase(std::remove(history_.begin(), history_.end(), &f), history_.end());
    if (entry.onGone) entry.onGone();
    graveyard_.push_back(std::move(entry.form));
    emit f.hiddenOrUnloaded();
}

void FormManager::unloadAllSilently()
{
    while (!loaded_.empty()) {
        Entry entry = std::move(loaded_.back());
        loaded_.pop_back();
        Form* f = entry.form.get();
        f->loaded_ = false;
        f->QWidget::hide();
        if (entry.onGone) entry.onGone();
        graveyard_.push_back(std::move(entry.form));
        emit f->hiddenOrUnloaded();
    }
    history_.clear();
    active_ = nullptr;
    reactivatePending_ = false;
}

void FormManager::windowActivated(Form& f)
{
    if (program_.Ended() || !isLoaded(&f) || !f.isVisible() || active_ == &f) return;
    if (!modal_.empty() && modal_.back() != &f) return;
    if (program_.dispatchDepth() != 0 && modal_.empty()) return;
    program_.dispatch([this, &f] { activate(f); });
}

void FormManager::closeRequested(Form& f)
{
    if (!modal_.empty() && modal_.back() != &f) return;
    program_.dispatch([this, &f] { unload(f); });
}

void FormManager::settle()
{
    const int base = modalDepth_.empty() ? 0 : modalDepth_.back();
    if (program_.dispatchDepth() != base || program_.Ended()) {
        if (program_.Ended() && program_.dispatchDepth() == 0 && !graveyard_.empty())
            QTimer::singleShot(0, &program_, [this] { if (program_.dispatchDepth() == 0) collectGarbage(); });
        return;
    }
    if (reactivatePending_ && active_ == nullptr) {
        reactivatePending_ = false;
        Form* next = nullptr;
        if (!modal_.empty()) {
            Form* m = modal_.back();
            if (isLoaded(m) && m->isVisible()) next = m;
        } else {
            for (auto it = history_.rbegin(); it != history_.rend(); ++it)
                if (*it && isLoaded(*it) && (*it)->isVisible()) { next = *it; break; }
        }
        if (next) program_.dispatch([this, next] { activate(*next); });
    }
    if (base == 0 && everLoaded_ && loaded_.empty() && !program_.Ended()) {
        program_.End();
        return;
    }
    if (base == 0 && program_.dispatchDepth() == 0 && !graveyard_.empty())
        QTimer::singleShot(0, &program_, [this] { if (program_.dispatchDepth() == 0) collectGarbage(); });
}

void FormManager::collectGarbage() { graveyard_.clear(); }

} // namespace forms
