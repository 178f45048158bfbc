#include "app/class_commands.h"

#include <QDir>
#include <QPointer>
#include <QTreeWidget>

#include "classgen/base_lookup.h"
#include "dialogs/check_list_dlg.h"
#include "platform/busy_work.h"
#include "platform/platform.h"
#include "window/child_form.h"

namespace tav {

namespace {

constexpr int kHelpBaseFunctions = 130;
constexpr int kHelpAccessors = 140;
constexpr int kHelpConstructor = 150;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The class directory and then the include paths, relative ones taken from the class directory.
std::vector<std::string> searchFolders(const QString& classDir, const QStringList& includePaths) {
    const QDir dir(classDir);
    std::vector<std::string> folders{QDir::cleanPath(classDir).toStdString()};
    for (const QString& path : includePaths)
        folders.push_back(QDir::cleanPath(dir.absoluteFilePath(path)).toStdString());
    return folders;
}

// The class as the reader sees the window's texts now, read on another thread; null with the
// message shown when it cannot be read or the window went meanwhile.
struct Reading {
    ReadClass read;
    BaseClasses bases;
};

std::unique_ptr<Reading> readWindow(Platform& platform, TChildForm& window,
                                    const std::vector<std::string>* baseFolders = nullptr) {
    const QPointer<TChildForm> alive(&window);
    const ClassDocument::TextsToRead texts = window.document().textsToRead();
    auto reading = std::make_unique<Reading>();
    runWhileBusy([&] {
        reading->read = readClass(texts.header, texts.source, texts.className);
        if (baseFolders && !reading->read.error)
            reading->bases = findBaseClasses(reading->read, *baseFolders);
    });
    if (!alive) return nullptr;
    if (reading->read.error) {
        platform.message(&window,
                         QStringLiteral("Tavrin cannot read the class %1 in its header: %2 "
                                        "Nothing was changed.")
                             .arg(text(texts.className), text(*reading->read.error)),
                         MessageIcon::Warning);
        return nullptr;
    }
    return reading;
}

// The class's data members; none, with a message when the class has none.
std::vector<cpp::Member> dataMembersOrSay(Platform& platform, TChildForm& window,
                                          const Reading* reading) {
    if (!reading) return {};
    std::vector<cpp::Member> members = dataMembers(*reading->read.cls);
    if (members.empty())
        platform.message(
            &window,
            QStringLiteral("The class %1 has no data members.").arg(window.document().ClassName()),
            MessageIcon::None);
    return members;
}

std::string declaration(const cpp::Member& m) {
    return m.type + (m.type.empty() ? "" : " ") + m.name + m.parameterList() +
           (m.qualifiers.empty() ? "" : " " + m.qualifiers) + (m.isPure ? " = 0" : "");
}

std::string memberText(const cpp::Member& m) { return m.type + " " + m.name; }

}  // namespace

ClassCommands::ClassCommands(Platform& platform) : platform_(platform) {}
ClassCommands::~ClassCommands() = default;

TCheckListDlg* ClassCommands::baseFunctionsDialog() {
    if (!baseFunctions_)
        baseFunctions_ = std::make_unique<TCheckListDlg>(
            platform_, "BaseFunctionsDlg", QStringLiteral("Implement Base Functions"),
            QStringLiteral("Virtual functions of the base classes:"),
            QStringList{QStringLiteral("Function"), QStringLiteral("Base class")},
            kHelpBaseFunctions);
    return baseFunctions_.get();
}

TCheckListDlg* ClassCommands::accessorsDialog() {
    if (!accessors_)
        accessors_ = std::make_unique<TCheckListDlg>(
            platform_, "AccessorsDlg", QStringLiteral("Generate Accessors"),
            QStringLiteral("Data members:"),
            QStringList{QStringLiteral("Member"), QStringLiteral("Getter"),
                        QStringLiteral("Setter")},
            kHelpAccessors);
    return accessors_.get();
}

TCheckListDlg* ClassCommands::constructorDialog() {
    if (!constructor_)
        constructor_ = std::make_unique<TCheckListDlg>(
            platform_, "ConstructorDlg", QStringLiteral("Constructor from Members"),
            QStringLiteral("Members the constructor takes:"), QStringList{QStringLiteral("Member")},
            kHelpConstructor);
    return constructor_.get();
}

void ClassCommands::addMissingDefinitions(TChildForm& window) {
    const std::unique_ptr<Reading> reading = readWindow(platform_, window);
    if (!reading) return;
    const GenerationResult result = window.document().AddMissingDefinitions(reading->read);
    const QString name = window.document().ClassName();
    if (!result.unmatched.empty()) {
        QStringList heads;
        for (const std::string& head : result.unmatched) heads.append(text(head));
        platform_.message(&window,
                          QStringLiteral("These definitions in the source match no declaration "
                                         "of %1 in the header; they were left as they are:\n%2")
                              .arg(name, heads.join(QLatin1Char('\n'))),
                          MessageIcon::None);
    } else if (result.added == 0) {
        platform_.message(&window,
                          QStringLiteral("Every member function of %1 has a definition.").arg(name),
                          MessageIcon::None);
    }
}

void ClassCommands::implementBaseFunctions(TChildForm& window, const QStringList& includePaths) {
    const std::vector<std::string> folders =
        searchFolders(window.document().ClassDir(), includePaths);
    const std::unique_ptr<Reading> reading = readWindow(platform_, window, &folders);
    if (!reading) return;
    const QString name = window.document().ClassName();
    if (reading->read.cls->bases.empty()) {
        platform_.message(&window, QStringLiteral("The class %1 has no base class.").arg(name),
                          MessageIcon::None);
        return;
    }
    QStringList missing;
    for (const std::string& base : reading->bases.missing) missing.append(text(base));
    const QString notFound =
        QStringLiteral(
            "The declaration of %1 was not found in the header, nor in the headers "
            "it includes (looked for in the class directory and in the include paths "
            "of Settings > Configure Tavrin).")
            .arg(missing.join(QStringLiteral(", ")));
    std::vector<cpp::Member> offered;
    QList<TCheckListDlg::Row> rows;
    for (const cpp::Class& base : reading->bases.found) {
        for (const cpp::Member& m : overridableFunctions(base, reading->read.cls)) {
            offered.push_back(m);
            rows.append({{text(declaration(m)), m.isPure}, {text(base.qualifiedName), {}}});
        }
    }
    if (offered.empty()) {
        platform_.message(
            &window,
            missing.isEmpty()
                ? QStringLiteral("The base classes of %1 have no virtual function left to "
                                 "override.")
                      .arg(name)
                : notFound,
            MessageIcon::None);
        return;
    }
    TCheckListDlg* dialog = baseFunctionsDialog();
    dialog->setRows(rows);
    if (platform_.runModal(dialog) != ModalOk) return;
    std::vector<cpp::Member> chosen;
    const QList<QList<bool>> checks = dialog->checks();
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (checks[static_cast<qsizetype>(i)][0]) chosen.push_back(offered[i]);
    if (!chosen.empty()) window.document().ImplementBaseFunctions(reading->read, chosen);
    if (!missing.isEmpty()) platform_.message(&window, notFound, MessageIcon::None);
}

void ClassCommands::generateAccessors(TChildForm& window) {
    const std::unique_ptr<Reading> reading = readWindow(platform_, window);
    const std::vector<cpp::Member> members = dataMembersOrSay(platform_, window, reading.get());
    if (members.empty()) return;
    QList<TCheckListDlg::Row> rows;
    for (const cpp::Member& m : members) {
        // A const member cannot be assigned: it has no setter.
        const std::optional<bool> setter =
            m.type.starts_with("const ") ? std::nullopt : std::optional<bool>(true);
        rows.append({{text(memberText(m)), {}}, {QString(), true}, {QString(), setter}});
    }
    TCheckListDlg* dialog = accessorsDialog();
    dialog->setRows(rows);
    if (platform_.runModal(dialog) != ModalOk) return;
    std::vector<AccessorChoice> choices;
    const QList<QList<bool>> checks = dialog->checks();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const QList<bool>& row = checks[static_cast<qsizetype>(i)];
        if (row[1] || row[2]) choices.push_back({members[i], row[1], row[2]});
    }
    if (!choices.empty()) window.document().GenerateAccessors(reading->read, choices);
}

void ClassCommands::constructorFromMembers(TChildForm& window) {
    const std::unique_ptr<Reading> reading = readWindow(platform_, window);
    const std::vector<cpp::Member> members = dataMembersOrSay(platform_, window, reading.get());
    if (members.empty()) return;
    QList<TCheckListDlg::Row> rows;
    for (const cpp::Member& m : members) rows.append({{text(memberText(m)), true}});
    TCheckListDlg* dialog = constructorDialog();
    dialog->setRows(rows);
    if (platform_.runModal(dialog) != ModalOk) return;
    std::vector<cpp::Member> chosen;
    const QList<QList<bool>> checks = dialog->checks();
    for (std::size_t i = 0; i < members.size(); ++i)
        if (checks[static_cast<qsizetype>(i)][0]) chosen.push_back(members[i]);
    if (!chosen.empty()) window.document().ConstructorFromMembers(reading->read, chosen);
}

ClassBase ClassCommands::completedBase(ClassBase base, const QString& directory,
                                       const QStringList& includePaths) {
    if (base.name.empty() || base.header.empty()) return base;
    const std::string include = base.header.starts_with('<') || base.header.starts_with('"')
                                    ? base.header
                                    : "\"" + base.header + "\"";
    const std::vector<std::string> folders = searchFolders(directory, includePaths);
    runWhileBusy([&] {
        const std::optional<std::string> path = findHeaderFile("#include " + include, folders);
        if (!path) return;
        const std::optional<cpp::Class> found = classInHeaderFile(*path, base.name);
        if (!found) return;
        for (const cpp::Member& m : found->members)
            if (m.kind == cpp::MemberKind::Destructor && m.isVirtual) base.virtualDestructor = true;
    });
    return base;
}

}  // namespace tav
