#include "app/tav_main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QShortcutEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/bold_caption_button.h"
#include "app/class_commands.h"
#include "app/recent_menu.h"
#include "app/style_settings.h"
#include "app/workspace.h"
#include "dialogs/dialogs.h"
#include "dialogs/editable_combo.h"
#include "dialogs/pictures.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/special_members_dlg.h"
#include "files/file_names.h"
#include "platform/guarded.h"
#include "platform/screen_area.h"
#include "window/child_form.h"

namespace {

constexpr int kComboLeft = 208;
constexpr int kComboRightMargin = 20;
constexpr int kComboMinimumWidth = 24;

QAction* newAction(QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* newSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

// A menu caption shows '&' only when doubled; the Classes menu shows class names as they are.
QString menuCaption(const QString& text) {
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

bool sameEntries(const QComboBox* combo, const QStringList& items) {
    if (combo->count() != items.size()) return false;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) != items[i]) return false;
    return true;
}

}  // namespace

TTavMainForm::TTavMainForm(tav::Platform& platform, tav::Dialogs& dialogs)
    : platform_(platform),
      dialogs_(dialogs),
      classCommands_(std::make_unique<tav::ClassCommands>(platform)) {
    setObjectName(QStringLiteral("TavMainForm"));
    setWindowTitle(tav::kProgramName + QLatin1Char(' ') + tav::kProgramVersion);
    setWindowIcon(tav::appIcon());
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(35);
    layout->addWidget(Panel1);
    MdiArea = new QMdiArea;
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    layout->addWidget(MdiArea, 1);
    setCentralWidget(central);

    buildMenus();
    buildToolBar();
    menuBar()->installEventFilter(this);
    documentControls_ = {{{Save, nullptr},
                          {nullptr, SaveBitBtn},
                          {SaveAs, nullptr},
                          {Data->menuAction(), nullptr},
                          {Functions->menuAction(), nullptr},
                          {Classes->menuAction(), nullptr},
                          {nullptr, FunctionsCombo},
                          {nullptr, DataBitBtn},
                          {nullptr, FunctionBitBtn},
                          {nullptr, OperatorBitBtn}}};
    // At start only the function list is on.
    setDocumentControlsEnabled(false);
    FunctionsCombo->setEnabled(true);

    // Mouse movement over the empty workspace reaches us through the workspace's viewport.
    MdiArea->viewport()->setMouseTracking(true);
    MdiArea->viewport()->installEventFilter(this);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TTavMainForm::onSubWindowActivated);

    setAcceptDrops(true);
    move(192, 108);
    resize(605, 377);
}

TTavMainForm::~TTavMainForm() {
    // The base class destroys the workspace and the other controls after this part of the object
    // is gone, and they still signal on the way (the workspace reports the last window's
    // deactivation): none of that may reach this object's handlers any more.
    MdiArea->viewport()->removeEventFilter(this);
    menuBar()->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    // The dialogs made on first use are windows of their own, not children.
    delete preferences_;
    delete specialMembers_;
}

void TTavMainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    New1 = newAction(File1, "New1", QStringLiteral("&New..."));
    Open1 = newAction(File1, "Open1", QStringLiteral("&Open..."));
    OpenRecent1 = File1->addMenu(QStringLiteral("Open &Recent"));
    OpenRecent1->setObjectName(QStringLiteral("OpenRecent1"));
    OpenRecent1->menuAction()->setObjectName(OpenRecent1->objectName());
    recent_ = new tav::RecentMenu(OpenRecent1, File1);
    Save = newAction(File1, "Save", QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAs = newAction(File1, "SaveAs", QStringLiteral("Save &As..."));
    N1 = newSeparator(File1, "N1");
    Exit1 = newAction(File1, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    Data = bar->addMenu(QStringLiteral("&Data"));
    Data->setObjectName(QStringLiteral("Data"));
    AddDataMember1 = newAction(Data, "AddDataMember1", QStringLiteral("Add Data Member..."),
                               QKeySequence(Qt::CTRL | Qt::Key_D));

    Functions = bar->addMenu(QStringLiteral("&Functions"));
    Functions->setObjectName(QStringLiteral("Functions"));
    AddCopyConstructor1 =
        newAction(Functions, "AddCopyConstructor1", QStringLiteral("Add Copy Constructor..."),
                  QKeySequence(Qt::CTRL | Qt::Key_P));
    AddMemberFunction1 =
        newAction(Functions, "AddMemberFunction1", QStringLiteral("Add Member Function..."),
                  QKeySequence(Qt::CTRL | Qt::Key_F));
    AddOperator1 = newAction(Functions, "AddOperator1", QStringLiteral("Add Operator..."),
                             QKeySequence(Qt::CTRL | Qt::Key_O));
    AddSpecialMembers1 =
        newAction(Functions, "AddSpecialMembers1", QStringLiteral("Add &Special Members..."),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    N4 = newSeparator(Functions, "N4");
    AddMissingDefinitions1 =
        newAction(Functions, "AddMissingDefinitions1", QStringLiteral("Add Missing &Definitions"));
    ImplementBaseFunctions1 = newAction(Functions, "ImplementBaseFunctions1",
                                        QStringLiteral("&Implement Base Functions..."));
    GenerateAccessors1 =
        newAction(Functions, "GenerateAccessors1", QStringLiteral("Generate &Accessors..."));
    ConstructorFromMembers1 = newAction(Functions, "ConstructorFromMembers1",
                                        QStringLiteral("Constructor from &Members..."));

    Classes = bar->addMenu(QStringLiteral("Classes"));
    Classes->setObjectName(QStringLiteral("Classes"));
    Tile1 = newAction(Classes, "Tile1", QStringLiteral("Tile"));
    Cascade1 = newAction(Classes, "Cascade1", QStringLiteral("Cascade"));
    N3 = newSeparator(Classes, "N3");

    Settings1 = bar->addMenu(QStringLiteral("&Settings"));
    Settings1->setObjectName(QStringLiteral("Settings1"));
    Configure1 = newAction(Settings1, "Configure1", QStringLiteral("&Configure Tavrin..."));

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Contents1 = newAction(Help1, "Contents1", QStringLiteral("&Contents"));
    Index1 = newAction(Help1, "Index1", QStringLiteral("&Index"), QKeySequence(Qt::Key_F1));
    N2 = newSeparator(Help1, "N2");
    About1 = newAction(Help1, "About1", QStringLiteral("&About"));

    for (QMenu* menu : {File1, Data, Functions, Classes, Settings1, Help1})
        menu->menuAction()->setObjectName(menu->objectName());

    connect(New1, &QAction::triggered, this, &TTavMainForm::New1Click);
    connect(Open1, &QAction::triggered, this, &TTavMainForm::Open1Click);
    connect(Save, &QAction::triggered, this, &TTavMainForm::SaveClick);
    connect(SaveAs, &QAction::triggered, this, &TTavMainForm::SaveAsClick);
    connect(Exit1, &QAction::triggered, this, &TTavMainForm::Exit1Click);
    connect(recent_, &tav::RecentMenu::chosen, this, &TTavMainForm::openRecent);
    connect(AddDataMember1, &QAction::triggered, this, &TTavMainForm::AddDataMember1Click);
    connect(AddCopyConstructor1, &QAction::triggered, this,
            &TTavMainForm::AddCopyConstructor1Click);
    connect(AddMemberFunction1, &QAction::triggered, this, &TTavMainForm::AddMemberFunction1Click);
    connect(AddOperator1, &QAction::triggered, this, &TTavMainForm::AddOperator1Click);
    connect(AddSpecialMembers1, &QAction::triggered, this, &TTavMainForm::AddSpecialMembers1Click);
    connect(AddMissingDefinitions1, &QAction::triggered, this,
            &TTavMainForm::AddMissingDefinitions1Click);
    connect(ImplementBaseFunctions1, &QAction::triggered, this,
            &TTavMainForm::ImplementBaseFunctions1Click);
    connect(GenerateAccessors1, &QAction::triggered, this, &TTavMainForm::GenerateAccessors1Click);
    connect(ConstructorFromMembers1, &QAction::triggered, this,
            &TTavMainForm::ConstructorFromMembers1Click);
    connect(Tile1, &QAction::triggered, this, &TTavMainForm::Tile1Click);
    connect(Cascade1, &QAction::triggered, this, &TTavMainForm::Cascade1Click);
    connect(Classes, &QMenu::aboutToShow, this, &TTavMainForm::ClassesClick);
    connect(Configure1, &QAction::triggered, this, &TTavMainForm::Configure1Click);
    connect(Contents1, &QAction::triggered, this, &TTavMainForm::Contents1Click);
    connect(Index1, &QAction::triggered, this, &TTavMainForm::Index1Click);
    connect(About1, &QAction::triggered, this, &TTavMainForm::About1Click);
}

void TTavMainForm::buildToolBar() {
    auto button = [this](QToolButton* b, const char* name, int left, int width,
                         void (TTavMainForm::*handler)()) {
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 5, width, 24);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    auto picture = [](QToolButton* b, const QIcon& icon, const QString& command) {
        b->setIcon(icon);
        b->setIconSize(QSize(16, 16));
        b->setAccessibleName(command);
        b->setToolTip(command);
    };
    auto text = [](QToolButton* b, const QString& caption) {
        b->setText(caption);
        b->setAccessibleName(caption);
        QPalette palette = b->palette();
        // Navy while enabled only: a disabled button keeps the style's grey text, as the
        // picture buttons keep their grey pictures.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::ButtonText, QColor(0, 0, 128));
        b->setPalette(palette);
    };

    BitBtn1 = button(new QToolButton(Panel1), "BitBtn1", 8, 24, &TTavMainForm::New1Click);
    picture(BitBtn1, tav::newPicture(), QStringLiteral("New"));
    BitBtn2 = button(new QToolButton(Panel1), "BitBtn2", 33, 24, &TTavMainForm::Open1Click);
    picture(BitBtn2, tav::openPicture(), QStringLiteral("Open"));
    SaveBitBtn = button(new QToolButton(Panel1), "SaveBitBtn", 58, 24, &TTavMainForm::SaveClick);
    picture(SaveBitBtn, tav::savePicture(), QStringLiteral("Save"));
    DataBitBtn = button(new tav::BoldCaptionButton(Panel1), "DataBitBtn", 95, 32,
                        &TTavMainForm::AddDataMember1Click);
    text(DataBitBtn, QStringLiteral("int i"));
    FunctionBitBtn = button(new tav::BoldCaptionButton(Panel1), "FunctionBitBtn", 127, 32,
                            &TTavMainForm::AddMemberFunction1Click);
    text(FunctionBitBtn, QStringLiteral("f ()"));
    OperatorBitBtn = button(new tav::BoldCaptionButton(Panel1), "OperatorBitBtn", 160, 32,
                            &TTavMainForm::AddOperator1Click);
    text(OperatorBitBtn, QStringLiteral("op []"));

    // A box's description is what a screen reader adds to the text it shows.
    auto combo = [this](const char* name, int left, int top, int width, const QString& text,
                        const QString& description) {
        QComboBox* c = tav::newEditableComboBox(Panel1);
        c->setObjectName(QString::fromLatin1(name));
        tav::describeComboBox(c, description);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setGeometry(left, top, width, 21);
        c->setEditText(text);
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        return c;
    };
    FunctionsCombo = combo("FunctionsCombo", kComboLeft, 6, 377, QStringLiteral("Functions"),
                           QStringLiteral("Go to function"));
    DataCombo =
        combo("DataCombo", 312, 30, 145, QStringLiteral("Data"), QStringLiteral("Data members"));
    DataCombo->hide();
    // What a screen reader adds to the caption buttons' captions.
    DataBitBtn->setAccessibleDescription(QStringLiteral("Add Data Member"));
    FunctionBitBtn->setAccessibleDescription(QStringLiteral("Add Member Function"));
    OperatorBitBtn->setAccessibleDescription(QStringLiteral("Add Operator"));
    connect(FunctionsCombo, &QComboBox::currentIndexChanged, this,
            &TTavMainForm::FunctionsComboChange);
    connect(FunctionsCombo->lineEdit(), &QLineEdit::textEdited, this,
            &TTavMainForm::onFunctionsTextEdited);
    // Qt chooses the entry that an editable box's text names when its edit field loses the
    // focus, as when the list drops down or the user clicks elsewhere: this box moves the source
    // selection only on a choice.
    disconnect(FunctionsCombo->lineEdit(), &QLineEdit::editingFinished, FunctionsCombo, nullptr);
}

// ---- Document controls -----------------------------------------------------------------------

void TTavMainForm::setDocumentControlsEnabled(bool enabled) {
    for (const DocumentControl& control : documentControls_) {
        if (control.action) control.action->setEnabled(enabled);
        if (control.widget) control.widget->setEnabled(enabled);
    }
}

void TTavMainForm::enableDocumentControls() { setDocumentControlsEnabled(true); }

void TTavMainForm::disableDocumentControls() { setDocumentControlsEnabled(false); }

void TTavMainForm::setSaveControlsEnabled(bool enabled) {
    Save->setEnabled(enabled);
    SaveBitBtn->setEnabled(enabled);
}

bool TTavMainForm::isControlEnabled(const QString& name) const {
    if (auto* action = findChild<QAction*>(name)) return action->isEnabled();
    if (auto* widget = findChild<QWidget*>(name)) return widget->isEnabled();
    return false;
}

void TTavMainForm::showFunctionList(const std::vector<std::string>& functions) {
    fillCombo(FunctionsCombo, functions);
}

void TTavMainForm::showDataList(const std::vector<std::string>& data) {
    fillCombo(DataCombo, data);
}

void TTavMainForm::fillCombo(QComboBox* combo, const std::vector<std::string>& entries) {
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) items.append(QString::fromStdString(entry));
    // A refill runs on every focus change and pane click, also while the user is choosing from
    // the dropped-down list (its closing hands the focus back to the box before the choice is
    // taken). Rebuilt entries would void that choice: entries that have not changed stay.
    if (!sameEntries(combo, items)) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// ---- Documents -------------------------------------------------------------------------------

TChildForm* TTavMainForm::activeDocument() const {
    return qobject_cast<TChildForm*>(MdiArea->currentSubWindow());
}

QList<TChildForm*> TTavMainForm::documents() const {
    QList<TChildForm*> result;
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        if (auto* document = qobject_cast<TChildForm*>(window)) result.append(document);
    return result;
}

TChildForm* TTavMainForm::createDocument() {
    auto* window = new TChildForm(platform_, recoveryStore_);
    // Until a command knows the class's directory: the saved style, which Open's search for
    // the pair's files prefers.
    window->document().setStyle(
        tav::loadClassStyle(QSettings(tav::kSettingsOwner, tav::kSettingsOwner)));
    const tav::ClassDocument* document = &window->document();
    connect(document, &tav::ClassDocument::changed, this, [this] { setSaveControlsEnabled(true); });
    connect(document, &tav::ClassDocument::saved, this, [this] { setSaveControlsEnabled(false); });
    // The boxes show the lists of the window in front.
    connect(document, &tav::ClassDocument::listsChanged, this, [this, window] {
        if (MdiArea->currentSubWindow() == window) FormActivate(*window);
    });
    connect(window, &TChildForm::activated, this, [this, window] { FormActivate(*window); });
    MdiArea->addSubWindow(window);
    tav::activateAnotherWhenMinimised(*MdiArea, window);
    window->show();
    return window;
}

void TTavMainForm::opened(const TChildForm& window) {
    enableDocumentControls();
    showFunctionList(window.document().FunctionList());
}

void TTavMainForm::FormActivate(const TChildForm& window) {
    showFunctionList(window.document().FunctionList());
    showDataList(window.document().DataList());
}

template <typename Dialog, typename Input>
void TTavMainForm::insertFromDialog(Dialog* tav::Dialogs::*dialog,
                                    void (tav::ClassDocument::*insert)(const Input&)) {
    runCommand([this, dialog, insert] {
        TChildForm* window = activeDocument();
        if (!window) return;
        Dialog* shown = dialogs().*dialog;
        const tav::ClassStyle style = styleForDirectory(window->document().ClassDir());
        if constexpr (requires { shown->setModernProfile(true); })
            shown->setModernProfile(style.modern());
        if (platform_.runModal(shown) != tav::ModalOk) return;
        window->document().setStyle(style);
        (window->document().*insert)(shown->value());
    });
}

void TTavMainForm::runCommand(const std::function<void()>& command) {
    tav::runGuarded(platform_, this, command);
}

void TTavMainForm::onSubWindowActivated(QMdiSubWindow* window) {
    // Only a change of the active class window counts, not the application regaining focus.
    if (!window || window == lastActivated_) return;
    lastActivated_ = window;
    if (auto* document = qobject_cast<TChildForm*>(window)) {
        runCommand([this, document] { FormActivate(*document); });
    }
}

// ---- Commands --------------------------------------------------------------------------------

tav::Dialogs& TTavMainForm::dialogs() {
    // Start-up makes the dialogs right after the window is shown; a command that needs one
    // before that makes them here.
    dialogs_.make();
    return dialogs_;
}

void TTavMainForm::New1Click() {
    runCommand([this] {
        TChildForm* window = createDocument();
        TNewClassDlg* dialog = dialogs().NewClassDlg;
        // Only the profile matters here: no .editorconfig walk before the directory is chosen.
        const QSettings settings(tav::kSettingsOwner, tav::kSettingsOwner);
        dialog->setModernProfile(tav::loadClassStyle(settings).modern());
        if (platform_.runModal(dialog) != tav::ModalOk) {
            window->close();
            return;
        }
        tav::NewClassInput input = dialog->value();
        const QString directory = QString::fromStdString(input.directory);
        input.base =
            classCommands_->completedBase(input.base, directory, tav::loadIncludePaths(settings));
        window->document().setStyle(styleForDirectory(directory));
        window->document().NewClass(input);
        MdiArea->setActiveSubWindow(window);
        window->raise();
        enableDocumentControls();
        // The window became active before it had a class: the boxes show the new class's lists
        // now, as they do after Open, not only at the next click.
        FormActivate(*window);
    });
}

void TTavMainForm::Open1Click() {
    runCommand([this] {
        TChildForm* window = createDocument();
        if (!window->OpenClass()) return;
        opened(*window);
        rememberRecent(*window);
    });
}

void TTavMainForm::openRecent(const QString& headerPath) {
    if (!QFileInfo(headerPath).isFile()) {
        platform_.message(this,
                          QStringLiteral("Cannot open %1: the file no longer exists. It is taken "
                                         "off the list of recent classes.")
                              .arg(QDir::toNativeSeparators(headerPath)),
                          tav::MessageIcon::Error);
        recent_->forget(headerPath);
        return;
    }
    openFiles({headerPath});
}

void TTavMainForm::rememberRecent(const TChildForm& window) {
    recent_->remember(window.document().headerFile());
}

namespace {
// A C++ header or source file: a name that the Open chooser's first filter entry shows.
bool isClassFile(const QString& path) { return tav::isClassFileName(QFileInfo(path).fileName()); }
}  // namespace

void TTavMainForm::openFiles(const QStringList& paths) {
    QStringList openedPairs;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (file.isDir()) {
            platform_.message(this,
                              QStringLiteral("Cannot open %1: it is a directory")
                                  .arg(QDir::toNativeSeparators(file.absoluteFilePath())),
                              tav::MessageIcon::Error);
            continue;
        }
        if (!isClassFile(path)) {
            platform_.message(this,
                              QStringLiteral("%1 is not a C++ header or source file")
                                  .arg(QDir::toNativeSeparators(path)),
                              tav::MessageIcon::Error);
            continue;
        }
        const QString absolute = file.absoluteFilePath();
        const QString pair = tav::withoutExtension(QDir::toNativeSeparators(absolute));
        if (openedPairs.contains(pair)) continue;
        openedPairs.append(pair);
        runCommand([this, &absolute] {
            // A pair that cannot be read leaves no window behind: its message said why.
            TChildForm* window = createDocument();
            if (window->OpenClassFile(absolute)) {
                opened(*window);
                rememberRecent(*window);
                return;
            }
            window->document().setModified(false);
            window->close();
        });
    }
}

namespace {
// The header and source files among a drag's URLs; empty when it carries anything else.
QStringList droppedClassFiles(const QMimeData* data) {
    QStringList files;
    if (!data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !isClassFile(url.path())) return {};
        files.append(url.toLocalFile());
    }
    return files;
}
}  // namespace

void TTavMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedClassFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TTavMainForm::dropEvent(QDropEvent* event) {
    const QStringList files = droppedClassFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    // After the drop has ended, so that a message about a file is not shown inside the drag.
    QTimer::singleShot(0, this, [this, files] { openFiles(files); });
}

void TTavMainForm::SaveClick() {
    runCommand([this] {
        TChildForm* document = activeDocument();
        if (document && document->SaveClass()) rememberRecent(*document);
    });
}

void TTavMainForm::SaveAsClick() {
    runCommand([this] {
        TChildForm* document = activeDocument();
        if (!document) return;
        const QString copy = document->SaveClassAs();
        if (!copy.isEmpty()) recent_->remember(copy);
    });
}
void TTavMainForm::Exit1Click() { close(); }
void TTavMainForm::AddDataMember1Click() {
    insertFromDialog(&tav::Dialogs::InputDataDlg, &tav::ClassDocument::AddDataMember);
}
void TTavMainForm::AddMemberFunction1Click() {
    insertFromDialog(&tav::Dialogs::InputFunctionDlg, &tav::ClassDocument::AddMemberFunction);
}
void TTavMainForm::AddOperator1Click() {
    insertFromDialog(&tav::Dialogs::InputOperatorDlg, &tav::ClassDocument::AddOperator);
}
void TTavMainForm::AddCopyConstructor1Click() {
    runCommand([this] {
        if (TChildForm* window = activeDocument()) {
            window->document().setStyle(styleForDirectory(window->document().ClassDir()));
            window->document().AddCopyConstructor();
        }
    });
}
TSpecialMembersDlg* TTavMainForm::specialMembersDialog() {
    if (!specialMembers_) specialMembers_ = new TSpecialMembersDlg(platform_);
    return specialMembers_;
}

void TTavMainForm::AddSpecialMembers1Click() {
    runCommand([this] {
        TChildForm* window = activeDocument();
        if (!window) return;
        TSpecialMembersDlg* dialog = specialMembersDialog();
        if (platform_.runModal(dialog) != tav::ModalOk) return;
        tav::ClassDocument& document = window->document();
        document.setStyle(styleForDirectory(document.ClassDir()));
        const std::vector<tav::SpecialMember> present = document.AddSpecialMembers(dialog->value());
        if (present.empty()) return;
        QStringList names;
        for (const tav::SpecialMember member : present)
            names.append(QString::fromLatin1(tav::specialMemberName(member)));
        platform_.message(window,
                          QStringLiteral("The class already declares these, so they were left "
                                         "as they are: %1.")
                              .arg(names.join(QStringLiteral(", "))),
                          tav::MessageIcon::None);
    });
}

void TTavMainForm::generate(const std::function<void(TChildForm&)>& command) {
    runCommand([this, &command] {
        TChildForm* window = activeDocument();
        if (!window) return;
        window->document().setStyle(styleForDirectory(window->document().ClassDir()));
        command(*window);
    });
}

void TTavMainForm::AddMissingDefinitions1Click() {
    generate([this](TChildForm& window) { classCommands_->addMissingDefinitions(window); });
}

void TTavMainForm::ImplementBaseFunctions1Click() {
    generate([this](TChildForm& window) {
        const QSettings settings(tav::kSettingsOwner, tav::kSettingsOwner);
        classCommands_->implementBaseFunctions(window, tav::loadIncludePaths(settings));
    });
}

void TTavMainForm::GenerateAccessors1Click() {
    generate([this](TChildForm& window) { classCommands_->generateAccessors(window); });
}

void TTavMainForm::ConstructorFromMembers1Click() {
    generate([this](TChildForm& window) { classCommands_->constructorFromMembers(window); });
}

void TTavMainForm::Tile1Click() { MdiArea->tileSubWindows(); }
void TTavMainForm::Cascade1Click() { tav::cascadeInside(*MdiArea); }

void TTavMainForm::ClassesClick() {
    qDeleteAll(classItems_);  // a deleted action leaves its menu
    classItems_.clear();
    for (TChildForm* document : documents()) {
        const QString name = document->document().ClassName();
        QAction* item = Classes->addAction(menuCaption(name));
        item->setData(name);
        connect(item, &QAction::triggered, this, [this, item] { ClassItemClick(item); });
        classItems_.append(item);
    }
}

void TTavMainForm::ClassItemClick(QAction* item) {
    const QString name = item->data().toString();
    for (QMdiSubWindow* window : MdiArea->subWindowList()) {
        auto* document = qobject_cast<TChildForm*>(window);
        if (!document || document->document().ClassName() != name) continue;
        if (document->isMinimized()) document->showNormal();
        document->show();
        MdiArea->setActiveSubWindow(document);
        document->raise();
    }
}

tav::ClassStyle TTavMainForm::styleForDirectory(const QString& directory) const {
    const QSettings settings(tav::kSettingsOwner, tav::kSettingsOwner);
    return tav::styleForDirectory(tav::loadClassStyle(settings), directory);
}

TPreferencesDlg* TTavMainForm::preferencesDialog() {
    if (!preferences_) preferences_ = new TPreferencesDlg(platform_);
    return preferences_;
}

void TTavMainForm::Configure1Click() {
    runCommand([this] {
        TPreferencesDlg* preferences = preferencesDialog();
        QSettings settings(tav::kSettingsOwner, tav::kSettingsOwner);
        const tav::ClassStyle saved = tav::loadClassStyle(settings);
        preferences->setValue(saved);
        preferences->setIncludePaths(tav::loadIncludePaths(settings));
        if (platform_.runModal(preferences) != tav::ModalOk) return;
        tav::saveClassStyle(settings, preferences->value(saved));
        tav::saveIncludePaths(settings, preferences->includePaths());
    });
}

void TTavMainForm::Contents1Click() {
    platform_.help(this, tav::kHelpFileName, tav::HelpContents, 0);
}

void TTavMainForm::Index1Click() { Contents1Click(); }

void TTavMainForm::About1Click() {
    runCommand([this] { platform_.runModal(dialogs().AboutBox); });
}

void TTavMainForm::FunctionsComboEnter() {
    runCommand([this] {
        if (TChildForm* document = activeDocument())
            showFunctionList(document->document().FunctionList());
    });
}

void TTavMainForm::DataComboEnter() {
    runCommand([this] {
        if (TChildForm* document = activeDocument()) showDataList(document->document().DataList());
    });
}

void TTavMainForm::FunctionsComboChange(int index) {
    if (index < 0) return;
    runCommand([this, index] {
        if (TChildForm* document = activeDocument())
            document->SelectFunctionInSource(FunctionsCombo->itemText(index));
    });
}

void TTavMainForm::onFunctionsTextEdited(const QString& text) {
    // Typed text that no longer reads as the chosen entry means no entry is chosen.
    const int index = FunctionsCombo->currentIndex();
    if (index >= 0 && FunctionsCombo->itemText(index) != text) {
        const QSignalBlocker blocker(FunctionsCombo);
        FunctionsCombo->setCurrentIndex(-1);
        FunctionsCombo->setEditText(text);
    }
}

void TTavMainForm::FormMouseMove() {
    if (MdiArea->subWindowList().isEmpty()) disableDocumentControls();
}

// ---- Window events ---------------------------------------------------------------------------

namespace {

// The first enabled menu of the bar whose access letter is key.
QAction* firstMenuWithAccessKey(const QMenuBar* bar, const QKeySequence& key) {
    for (QAction* menu : bar->actions()) {
        if (menu->isVisible() && menu->isEnabled() && QKeySequence::mnemonic(menu->text()) == key)
            return menu;
    }
    return nullptr;
}

}  // namespace

bool TTavMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && watched == menuBar()) {
        // "&File" and "&Functions" share their letter: the toolkit would open them in turn on
        // each Alt+F. The letter opens the first menu that has it, every time.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous()) {
            if (QAction* menu = firstMenuWithAccessKey(menuBar(), shortcut->key())) {
                menuBar()->setActiveAction(menu);
                return true;
            }
        }
    } else if (event->type() == QEvent::ShortcutOverride &&
               (watched == FunctionsCombo || watched == FunctionsCombo->lineEdit() ||
                watched == DataCombo || watched == DataCombo->lineEdit())) {
        // Ctrl+X is Exit wherever the focus is, not Cut in the boxes' edit fields (the box
        // hands its edit field the key directly, past the field's filters).
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) == Exit1->shortcut()) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove && watched == MdiArea->viewport()) {
        FormMouseMove();
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == FunctionsCombo || watched == FunctionsCombo->lineEdit())
            FunctionsComboEnter();
        else if (watched == DataCombo || watched == DataCombo->lineEdit())
            DataComboEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TTavMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TTavMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // At its place and size where the screen has room for them (a small or magnified screen
    // may not): the far end of the function box must stay reachable.
    tav::keepOnScreen(this);
}

void TTavMainForm::FormResize() {
    // The window's width is the one its initial 605 pixels set, so the box starts at 377.
    const int width = this->width() - kComboLeft - kComboRightMargin;
    FunctionsCombo->resize(std::max(width, kComboMinimumWidth), FunctionsCombo->height());
}

void TTavMainForm::closeEvent(QCloseEvent* event) {
    const tav::MessageAnswer answer =
        platform_.messageBox(this, QStringLiteral("Exit! Really?"), tav::kMessageCaption,
                             tav::MessageIcon::Warning, tav::MessageButtons::YesNo);
    if (answer != tav::MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    // Each class window decides for itself; one that stays open (its question answered Cancel,
    // or its save failed) stops the exit so that no unsaved work is thrown away.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : MdiArea->subWindowList()) windows.append(window);
    for (const QPointer<QMdiSubWindow>& window : windows) {
        if (window && !window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
