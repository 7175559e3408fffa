#include "forms/qt/form_view.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>
#include <algorithm>

#include "forms/changed_part.h"
#include "forms/dispatch.h"
#include "forms/page_change.h"
#include "forms/presentation.h"
#include "forms/qt/accessible.h"
#include "forms/qt/gbk_limit.h"
#include "forms/qt/input_filter.h"
#include "forms/qt/looks.h"
#include "forms/qt/picture_box.h"
#include "forms/qt/tab_control.h"
#include "forms/qt/trans_label.h"
#include "pictures/picture.h"
#include "skins/engine/own_colours.h"

namespace forms::qt {

namespace {

const char* kind_name(Kind kind) {
    switch (kind) {
        case Kind::Window: return "Window";
        case Kind::EditBox: return "EditBox";
        case Kind::PicBox: return skin_contract::picture_box_kind;
        case Kind::GroupBox: return "GroupBox";
        case Kind::Label: return skin_contract::label_kind;
        case Kind::Button: return "Button";
        case Kind::ComboBox: return "ComboBox";
        case Kind::ProgressBar: return "ProgressBar";
        case Kind::Tab: return "Tab";
        case Kind::Timer: return "Timer";
        case Kind::TransLabel: return skin_contract::trans_label_kind;
    }
    return "";
}

Qt::Alignment horizontal(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

QString shown_text(const Text& text) {
    QString s = from_gbk(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QCursor cursor_of(Cursor cursor) { return cursor == Cursor::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor; }

QRect rect_of(const Geometry& g) { return {g.left, g.top, g.width, g.height}; }

// The scale of a screen: 96 dots per inch at one device pixel per pixel.
int screen_dpi(const QScreen* screen) {
    return screen != nullptr ? qRound(unscaled_dpi * screen->devicePixelRatio()) : unscaled_dpi;
}

QIcon icon_of(Picture picture) {
    if (picture == nullptr) return {};
    const image::Picture decoded = image::decode_picture(*picture);
    if (decoded.empty()) return {};
    const auto& rgba = decoded.frames.front().rgba;
    return QIcon(QPixmap::fromImage(
        QImage(rgba.data(), decoded.width, decoded.height, decoded.width * 4, QImage::Format_RGBA8888).copy()));
}

}  // namespace

QtWindowView::QtWindowView(LoadedWindow& window)
    : state_(window), parts_(window), context_(new QObject), unit_dpi_(screen_dpi(QGuiApplication::primaryScreen())) {}

QtWindowView::~QtWindowView() { dismantle(); }

QString QtWindowView::unique_id(ControlId control) const {
    return QStringLiteral("w%1c%2").arg(state_.id).arg(control);
}

QWidget* QtWindowView::built_widget(ControlId control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* QtWindowView::widget_of(ControlId control) {
    const ControlState* c = state_.find(control);
    if (c == nullptr || c->kind == Kind::Timer || context_ == nullptr) return nullptr;
    build_window();
    if (c->desc != nullptr) build(parts_.part_of(*c));
    return built_widget(control);
}

void QtWindowView::create() {
    // No widget yet: a window that is never shown (the welcome window of a
    // later start) costs no widgets, no fonts and no polish under a skin.
}

void QtWindowView::build_window() {
    if (window_ != nullptr || context_ == nullptr) return;
    const WindowDesc& desc = *state_.desc;
    const ControlState& self = state_.self();
    window_ = new FormWindow(state_.id, desc);
    window_->setObjectName(from_gbk(desc.name));
    window_->setProperty(skin_contract::kind_property, kind_name(Kind::Window));
    window_->setProperty("yzWindow", state_.id);
    window_->setProperty("yzControl", desc.self);
    window_->setWindowTitle(from_gbk(self.text));
    window_->setWindowIcon(icon_of(desc.icon));
    window_->setFont(font_at_scale({}));
    shown_dpi_ = state_.dpi;
    window_->place(self.geometry, shown_dpi_, unit_dpi_);
    window_->setEnabled(!self.disabled);
    if (self.cursor != Cursor::Arrow) window_->setCursor(cursor_of(self.cursor));
    if (!self.tool_tip.empty()) window_->setToolTip(from_gbk(self.tool_tip));
    widgets_[desc.self] = window_.data();
    install_input_filter();
    serve_screen_readers();
    name_for_readers(state_, self, window_);
    build(window_part);
}

// Makes the widgets of a part (forms/parts_made.h) not made yet.
void QtWindowView::build(Part part) {
    if (window_ == nullptr) return;
    const bool window_made_before = parts_.made(window_part);
    const std::vector<const ControlState*> controls = parts_.make(part);
    for (const ControlState* c : controls) build_control(*c);
    if (window_made_before && !controls.empty()) keep_tab_order();
}

void QtWindowView::build_control(const ControlState& c) {
    QWidget* parent = c.parent == 0 ? nullptr : built_widget(c.parent);
    if (parent == nullptr) parent = window_;
    const Presentation p = shown(c);
    QWidget* w = make_control(c, p, parent);
    w->setObjectName(from_gbk(c.desc->name));
    w->setProperty(skin_contract::kind_property, kind_name(c.kind));
    w->setProperty("yzWindow", state_.id);
    w->setProperty("yzControl", c.id);
    w->setGeometry(rect_of(p.rect));
    w->setEnabled(!c.disabled);
    w->setCursor(cursor_of(c.cursor));
    if (!c.tool_tip.empty()) w->setToolTip(shown_text(c.tool_tip));
    w->setVisible(state_.shown_on_parent(c));
    widgets_[c.id] = w;
    name_for_readers(state_, c, w);
    if (c.kind == Kind::TransLabel) show_trans(c, w);  // its ink follows the final geometry
}

// Widgets made later join the end of the focus chain; Tab still moves
// through the controls in description order.
void QtWindowView::keep_tab_order() {
    QWidget* previous = nullptr;
    for (const ControlState& c : state_.controls) {
        if (!takes_focus(c.kind)) continue;
        QWidget* w = built_widget(c.id);
        if (w == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QWidget* QtWindowView::make_control(const ControlState& c, const Presentation& p, QWidget* parent) {
    using V = QtWindowView;
    // By kind, in the order of forms::Kind.
    static constexpr Maker makers[] = {&V::make_plain, &V::make_edit,   &V::make_picture, &V::make_group,
                                       &V::make_label, &V::make_button, &V::make_combo,   &V::make_bar,
                                       &V::make_tab,   &V::make_plain,  &V::make_trans};
    static_assert(std::size(makers) == std::size_t(Kind::TransLabel) + 1);
    return (this->*makers[std::size_t(c.kind)])(c, p, parent);
}

QWidget* QtWindowView::make_plain(const ControlState&, const Presentation&, QWidget* parent) {
    return new QWidget(parent);
}

QWidget* QtWindowView::make_edit(const ControlState& c, const Presentation& p, QWidget* parent) {
    const ControlDesc& d = *c.desc;
    auto* edit = new QLineEdit(shown_text(c.text), parent);
    edit->setFont(font_at_scale(p.font));
    edit->setFrame(d.border != Border::None);
    edit->setAlignment(horizontal(d.align) | Qt::AlignVCenter);
    edit->setValidator(new GbkByteLimit(edit, d.max_length));
    edit->setFocusPolicy(Qt::StrongFocus);
    pin_colors(edit, "QLineEdit", unique_id(c.id), p.colours);
    // Whatever changed the text (typing, a paste, an input method, a reader's
    // tool through the edit box's accessible text) the model holds it; the
    // program's own writes show what the model holds already.
    QObject::connect(edit, &QLineEdit::textChanged, context_,
                     [edit, window = state_.id, id = c.id, bytes = d.max_length](const QString& text) {
                         const LoadedWindow* w = find_loaded(window);
                         const ControlState* now = w != nullptr ? w->find(id) : nullptr;
                         if (now == nullptr || shown_text(now->text) == text) return;
                         // A tool sets the text past the validator: kept as typing would keep it.
                         if (const QString fitted = fitted_whole(text, bytes); fitted != text)
                             return edit->setText(fitted);
                         text_edited(window, id, to_gbk(text));
                     });
    return edit;
}

QWidget* QtWindowView::make_button(const ControlState& c, const Presentation& p, QWidget* parent) {
    auto* button = new QPushButton(shown_text(c.text), parent);
    button->setFont(font_at_scale(p.font));
    button->setAutoDefault(false);
    button->setDefault(c.desc->default_button);
    button->setFocusPolicy(Qt::StrongFocus);
    pin_colors(button, "QPushButton", unique_id(c.id), p.colours);
    QObject::connect(button, &QPushButton::clicked, context_,
                     [window = state_.id, id = c.id] { button_clicked(window, id); });
    return button;
}

QWidget* QtWindowView::make_label(const ControlState& c, const Presentation& p, QWidget* parent) {
    auto* label = new QLabel(shown_text(c.text), parent);
    label->setFont(font_at_scale(p.font));
    label->setWordWrap(true);
    label->setAlignment(horizontal(c.desc->align) | Qt::AlignTop);
    label->setMargin(0);
    label->setFocusPolicy(Qt::NoFocus);
    if (p.colours.back) label->setAutoFillBackground(true);
    pin_colors(label, "QLabel", unique_id(c.id), p.colours);
    return label;
}

QWidget* QtWindowView::make_trans(const ControlState&, const Presentation&, QWidget* parent) {
    return new TransLabel(parent);
}

QWidget* QtWindowView::make_group(const ControlState& c, const Presentation& p, QWidget* parent) {
    const ControlDesc& d = *c.desc;
    auto* group = new QGroupBox(from_gbk(d.text), parent);
    group->setFont(font_at_scale(p.font));
    group->setAlignment(horizontal(d.align));
    group->setFocusPolicy(Qt::NoFocus);
    pin_colors(group, "QGroupBox", unique_id(c.id), p.colours, caption_rules(p.colours.text, d.align));
    return group;
}

QWidget* QtWindowView::make_combo(const ControlState& c, const Presentation& p, QWidget* parent) {
    const ControlDesc& d = *c.desc;
    auto* combo = new QComboBox(parent);
    combo->setFont(font_at_scale(p.font));
    combo->setEditable(false);
    show_items(c, combo);
    if (d.drop_height > 0) combo->view()->setMinimumHeight(scaled(d.drop_height, state_.dpi, unit_dpi_));
    combo->setFocusPolicy(Qt::StrongFocus);
    pin_colors(combo, "QComboBox", unique_id(c.id), p.colours);
    const WindowId window = state_.id;
    const ControlId id = c.id;
    QObject::connect(combo, &QComboBox::currentIndexChanged, context_,
                     [window, id](int index) { selection_changed(window, id, index); });
    QObject::connect(combo, &QComboBox::activated, context_,
                     [window, id](int index) { selection_committed(window, id, index); });
    return combo;
}

QWidget* QtWindowView::make_bar(const ControlState& c, const Presentation& p, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setFocusPolicy(Qt::NoFocus);
    pin_colors(bar, "QProgressBar", unique_id(c.id), p.colours,
               c.desc->border == Border::None ? QStringLiteral("& { border: none; border-radius: 0px; }") : QString());
    show_bar(c, bar);
    return bar;
}

QWidget* QtWindowView::make_tab(const ControlState& c, const Presentation& p, QWidget* parent) {
    auto* tab = new TabControl(parent, *c.desc);
    tab->set_scale(font_at_scale(p.font), state_.dpi, unit_dpi_);
    tab->setCurrentIndex(c.selection);
    const WindowId window = state_.id;
    const ControlId id = c.id;
    QObject::connect(tab, &QTabWidget::currentChanged, context_,
                     [window, id](int page) { page_chosen(window, id, page); });
    // Queued, so that a page change the same press makes comes first.
    QObject::connect(
        tab, &QTabWidget::tabBarClicked, context_, [window, id](int) { tab_strip_clicked(window, id); },
        Qt::QueuedConnection);
    return tab;
}

QWidget* QtWindowView::make_picture(const ControlState& c, const Presentation&, QWidget* parent) {
    auto* picture = new PictureBox(parent, c.desc->picture);
    picture->set_border(c.border);
    picture->set_display_mode(c.display_mode);
    picture->set_animate(c.animate);
    picture->set_scale(state_.dpi, unit_dpi_);
    return picture;
}

void QtWindowView::show_items(const ControlState& c, QComboBox* combo) {
    combo->clear();
    for (int i = 0; i < c.item_count(); ++i) combo->addItem(from_gbk(c.item(i)));
    combo->setCurrentIndex(c.selection);
    // Every entry at once, as the layout's lists show them, up to a list the
    // screen can hold.
    combo->setMaxVisibleItems(std::clamp(combo->count(), 1, 30));
}

void QtWindowView::show_menu(ControlId control, bool at_pointer) {
    const ControlState* c = state_.find(control);
    QWidget* w = built_widget(control);
    if (c == nullptr || c->desc == nullptr || w == nullptr) return;
    QMenu menu(w);
    for (std::string_view entry : c->desc->menu) menu.addAction(from_gbk(entry));
    const QPoint at = at_pointer ? QCursor::pos() : w->mapToGlobal(QPoint(0, w->height()));
    const QAction* chosen = menu.exec(at);
    const int entry = chosen == nullptr ? -1 : int(menu.actions().indexOf(const_cast<QAction*>(chosen)));
    if (entry >= 0) menu_chosen(state_.id, control, entry);
}

void QtWindowView::show_bar(const ControlState& c, QWidget* widget) {
    auto* bar = static_cast<QProgressBar*>(widget);
    const BarShown shown = bar_shown(c);
    bar->setRange(shown.low, shown.high);
    bar->setValue(shown.position);
}

void QtWindowView::show_trans(const ControlState& c, QWidget* widget) {
    TransLook look;
    look.text = shown_text(c.text);
    look.font = font_at_scale(shown(c).font);
    look.ink = label_ink(c);
    static_cast<TransLabel*>(widget)->show_look(look);
}

void QtWindowView::refresh(ControlId control, int property) {
    const ControlState* c = state_.find(control);
    if (c == nullptr || context_ == nullptr) return;
    if (c->kind == Kind::Window) {
        refresh_window(*c, property);
        return;
    }
    QWidget* w = built_widget(control);
    if (w == nullptr) return;  // made later, from the state as it is then
    switch (aspect_of(property)) {
        case Aspect::Rectangle: w->setGeometry(rect_of(shown(*c).rect)); return;
        case Aspect::Visibility: w->setVisible(state_.shown_on_parent(*c)); return;
        case Aspect::Enabled: w->setEnabled(!c->disabled); return;
        case Aspect::Pointer: w->setCursor(cursor_of(c->cursor)); return;
        case Aspect::Tip:
            w->setToolTip(shown_text(c->tool_tip));
            name_for_readers(state_, *c, w);
            return;
        case Aspect::Kept: return;
        case Aspect::Own:
            refresh_own(*c, w, property);
            name_for_readers(state_, *c, w);
            return;
    }
}

void QtWindowView::refresh_window(const ControlState& c, int property) {
    if (property == prop::Visible) {
        if (c.visible)
            show_and_activate();
        else if (window_ != nullptr)
            window_->hide();
        return;
    }
    if (window_ == nullptr) return;
    switch (aspect_of(property)) {
        case Aspect::Rectangle:
            if (state_.dpi != shown_dpi_) rescale();  // placed anew at another scale
            window_->place(c.geometry, shown_dpi_, unit_dpi_);
            return;
        case Aspect::Enabled: window_->setEnabled(!c.disabled); return;
        case Aspect::Pointer: window_->setCursor(cursor_of(c.cursor)); return;
        case Aspect::Own: window_->setWindowTitle(from_gbk(c.text)); return;
        case Aspect::Tip: window_->setToolTip(from_gbk(c.tool_tip)); return;
        case Aspect::Visibility:
        case Aspect::Kept: return;
    }
}

void QtWindowView::refresh_own(const ControlState& c, QWidget* w, int property) {
    switch (c.kind) {
        case Kind::EditBox: static_cast<QLineEdit*>(w)->setText(shown_text(c.text)); return;
        case Kind::Button: static_cast<QPushButton*>(w)->setText(shown_text(c.text)); return;
        case Kind::Label: static_cast<QLabel*>(w)->setText(shown_text(c.text)); return;
        case Kind::TransLabel: show_trans(c, w); return;
        case Kind::ComboBox: {
            QSignalBlocker quiet(w);
            if (property == prop::ComboItems) show_items(c, static_cast<QComboBox*>(w));
            static_cast<QComboBox*>(w)->setCurrentIndex(c.selection);
            return;
        }
        case Kind::ProgressBar: show_bar(c, w); return;
        case Kind::PicBox: {
            auto* picture = static_cast<PictureBox*>(w);
            if (property == prop::PicBorder) picture->set_border(c.border);
            if (property == prop::PicDisplayMode) picture->set_display_mode(c.display_mode);
            if (property == prop::PicAnimate) picture->set_animate(c.animate);
            return;
        }
        default: return;
    }
}

void QtWindowView::refresh_pages(ControlId tab, bool by_user) {
    const ControlState* t = state_.find(tab);
    auto* tabs = qobject_cast<QTabWidget*>(built_widget(tab));
    if (t == nullptr || tabs == nullptr) return;  // a tab control made later shows its page then
    const PageChange change = page_change(state_, *t, by_user);
    build({tab, change.page});
    if (tabs->currentIndex() != change.page) {
        QSignalBlocker quiet(tabs);
        tabs->setCurrentIndex(change.page);
    }
    for (ControlId hidden : change.hide)
        if (QWidget* w = built_widget(hidden)) w->hide();
    for (ControlId shown : change.show)
        if (QWidget* w = built_widget(shown)) w->show();
    if (change.focus)
        if (QWidget* w = built_widget(*change.focus)) w->setFocus(Qt::TabFocusReason);
}

void QtWindowView::focus_next() {
    if (window_ == nullptr) return;
    QWidget* start = window_->focusWidget() != nullptr ? window_->focusWidget() : window_.data();
    for (QWidget* w = start->nextInFocusChain(); w != nullptr && w != start; w = w->nextInFocusChain()) {
        if (w->window() == window_ && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void QtWindowView::focus(ControlId control) {
    if (QWidget* w = built_widget(control)) w->setFocus(Qt::OtherFocusReason);
}

QFont QtWindowView::font_at_scale(Font font) const {
    if (font.height == 0) font.height = scaled(default_pixel_height, state_.dpi, unit_dpi_);
    return font_of(font);
}

void QtWindowView::follow_screen() {
    if (window_ == nullptr) return;
    const QScreen* screen = window_->screen();
    const QRect whole = screen->geometry(), work = screen->availableGeometry();
    const int unit_dpi = screen_dpi(screen);
    const ScreenFacts facts{{whole.width(), whole.height()},
                            {work.x(), work.y(), work.width(), work.height()},
                            unit_dpi,
                            unit_dpi,
                            std::nullopt};
    const Geometry& outer = state_.self().geometry;
    const int dpi = fitting_dpi({outer.width, outer.height}, state_.desc->frame, facts);
    if (unit_dpi == unit_dpi_ && dpi == shown_dpi_) {
        window_->resize_for(shown_dpi_, unit_dpi_);
        return;
    }
    unit_dpi_ = unit_dpi;
    state_.dpi = dpi;
    rescale();
}

// Every widget made so far at the window's scale. The window keeps its place
// and takes the size of its client area there: a window system that keeps a
// window's device pixels when it moves to a screen of another scale would
// cut the contents off.
void QtWindowView::rescale() {
    shown_dpi_ = state_.dpi;
    window_->setFont(font_at_scale({}));
    window_->resize_for(shown_dpi_, unit_dpi_);
    for (const ControlState& c : state_.controls) {
        QWidget* w = c.desc == nullptr ? nullptr : built_widget(c.id);
        if (w == nullptr) continue;
        const Presentation p = shown(c);
        w->setGeometry(rect_of(p.rect));
        switch (c.kind) {
            case Kind::Tab: static_cast<TabControl*>(w)->set_scale(font_at_scale(p.font), state_.dpi, unit_dpi_); break;
            case Kind::PicBox: static_cast<PictureBox*>(w)->set_scale(state_.dpi, unit_dpi_); break;
            case Kind::TransLabel: show_trans(c, w); break;
            case Kind::ComboBox:
                w->setFont(font_at_scale(p.font));
                if (c.desc->drop_height > 0)
                    static_cast<QComboBox*>(w)->view()->setMinimumHeight(
                        scaled(c.desc->drop_height, state_.dpi, unit_dpi_));
                break;
            default:
                if (c.kind != Kind::ProgressBar) w->setFont(font_at_scale(p.font));
        }
    }
}

void QtWindowView::show_and_activate() {
    build_window();
    if (window_ == nullptr) return;
    window_->show();
    // Queued: the window system tells the window's new size after its new
    // screen. The screen it shows on first may not be the one it was made for.
    if (!following_screen_) {
        following_screen_ = QObject::connect(
            window_->windowHandle(), &QWindow::screenChanged, context_, [this] { follow_screen(); },
            Qt::QueuedConnection);
        follow_screen();
    }
    window_->raise();
    window_->activateWindow();
}

void QtWindowView::dismantle() {
    if (context_ == nullptr) return;
    // Later: a tick or a click may be the very signal that is closing us.
    context_->deleteLater();
    context_ = nullptr;
    widgets_.clear();
    parts_.forget();
    if (window_ != nullptr) {
        window_->retire();
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
}

}  // namespace forms::qt

namespace forms {

std::unique_ptr<WindowView> make_window_view(LoadedWindow& window) {
    // Windows come and go at the model's word, never Qt's: a hidden start-up
    // window must not end the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // What has no font of its own (tool tips, the error box) is drawn in the
    // default GUI font, as on Windows; nothing then loads Qt's own default
    // face, which a new line edit would otherwise do.
    if (const QFont gui = qt::font_of({}); QApplication::font() != gui) QApplication::setFont(gui);
    return std::make_unique<qt::QtWindowView>(window);
}

}  // namespace forms
