#include "PickLists.h"

#include "ReferenceLists.h"
#include "VersionText.h"
#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"
#include "record/Descriptors.h"
#include "record/Rights.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <QVariant>
#include <algorithm>
#include <optional>
#include <utility>

namespace lists {
namespace {

constexpr const char* kListWidth = "ListWidth";

record::Colour colourValue(const QColor& c) {
    return c.red() | c.green() << 8 | c.blue() << 16;
}

// New items, with `selected` chosen (-1: none and an empty text). Emptying the old text runs the
// box's change handler, and so does the selection; the items going in do not, since adding to an
// empty combo would select its first item on the way.
void fillBox(QComboBox* box, const QStringList& items, int selected) {
    box->clear();
    {
        const QSignalBlocker quiet(box);
        box->addItems(items);
        box->setCurrentIndex(-1);
    }
    box->setCurrentIndex(selected);
}

// A combo's maximum length bounds what the user types, not the items it shows: a coded item is
// longer than the code it stores, and a line edit's own maximum length would cut it.
class TypedLength : public QValidator {
public:
    TypedLength(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& text, int&) const override {
        return text.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_length;
};

} // namespace

void SetListWidth(QComboBox* box, int width) {
    box->setProperty(kListWidth, width);
    box->view()->setMinimumWidth(width);
}

int ListWidth(const QComboBox* box) {
    return box->property(kListWidth).toInt();
}

PickLists::PickLists(app::TAxGarvex& form)
    : m_form(form), m_comboEvents(newEventLink(true)), m_keyDownEvents(newEventLink(false)) {
    AttachFormHandlers();
}

PickLists::~PickLists() {
    for (const QPointer<QWidget>& control : m_attached)
        if (control) platform::SetOnChange(control, {});
}

void PickLists::attach(QWidget* control, std::function<void(QWidget*)> handler, bool unlessOwn) {
    const bool attached = unlessOwn ? platform::AttachOnChangeUnlessOwn(control, std::move(handler))
                                    : (platform::SetOnChange(control, std::move(handler)), true);
    if (attached && std::find(m_attached.begin(), m_attached.end(), control) == m_attached.end())
        m_attached.emplace_back(control);
}

record::TsDesc* PickLists::descOf(const QWidget* control) {
    const int tag = platform::Tag(control);
    if (tag == 0) return nullptr;
    const int page = record::PageOfTag(tag), index = record::IndexOfTag(tag);
    if (page < 0 || page >= int(m_form.State.Pages.size())) return nullptr;
    auto& descs = m_form.State.Pages[page].Descs;
    return index < int(descs.size()) ? &descs[index] : nullptr;
}

bool PickLists::loading() const {
    return m_form.State.FlagLoading;
}

void PickLists::BeginLayoutPass() {
    m_curMarque.clear();
    m_curModele.clear();
}

void PickLists::LayoutPassDone() {
    auto& s = m_form.State;
    s.LastInfoModele.clear();
    const QString typeBox = s.RecordKind == record::KindVD   ? QStringLiteral("cVDInfoTypeVersion")
                            : s.RecordKind == record::KindVN ? QStringLiteral("cVNInfoTypeVersion")
                                                             : QString();
    if (!typeBox.isEmpty())
        if (QWidget* box = named(typeBox)) s.LastInfoTypeVersion = platform::ControlText(box);
}

void PickLists::CBoxEvents(QComboBox* box, int page, int index, const record::DescriptorKeys* keys) {
    auto& s = m_form.State;
    record::TsDesc& desc = s.Pages[page].Descs[index];
    // Filling a box changes its text: nothing of it is a choice of the user.
    const bool wasLoading = std::exchange(s.FlagLoading, true);

    if (box) {
        fillBox(box, {}, -1);
        if (desc.BackColor == 0) desc.BackColor = colourValue(box->palette().color(QPalette::Base));
    } else {
        QWidget* sheet = s.Pages[page].Sheet ? s.Pages[page].Sheet : m_form.Sheets[page - 1];
        box = new QComboBox(sheet);
        box->setEditable(true);
        if (keys) {
            const record::FieldGeometry at = record::GeometryOf(*keys);
            box->setGeometry(at.Left, at.Top, at.Width, at.Height + 4);
            box->setVisible(at.Width != 0);
        }
    }
    desc.Combo = box;
    desc.ValueControl = box;
    platform::SetTag(box, record::DescriptorTag(page, index));
    const bool right = record::FieldRight(s, page, desc.RightsTag);
    box->setEnabled(right && desc.Width != 0);

    attach(
        box, [this](QWidget* sender) { CBoxChange(sender); }, true);
    if (!box->isEditable()) {
        desc.ListOnly = true;
        box->setEditable(true);
    }
    box->setInsertPolicy(QComboBox::NoInsert);
    if (keys) {
        if (const int length = record::IntegerKey(keys->length); length != 0) {
            delete box->findChild<TypedLength*>();
            box->setValidator(new TypedLength(length, box));
        }
    }
    desc.Width = box->width();

    box->installEventFilter(m_comboEvents);
    m_form.WriteTrace(QStringLiteral("CBoxEvents : ") + desc.ListKey + QStringLiteral(" - ") + desc.ListName);

    platform::SetFieldColors(box, right, desc.BackColor, desc.FontColor);

    const QString value = desc.CurValue;
    const IndexChoice choice = IndexChoiceOf(desc.FieldName, desc.tControl, desc.tInfo, value);
    desc.IndexMode = choice.IndexMode;
    const QString list = choice.BooleanList ? QStringLiteral("BOOLEAN") : platform::asciiUpper(desc.ListName);
    const bool newVehicleMakes =
        s.RecordKind == record::KindVD ||
        (s.RecordKind == record::KindVN && platform::asciiUpper(desc.FieldName) == u"INFOMARQUE");
    const bool newVehicleModels = s.RecordKind == record::KindVD || s.RecordKind == record::KindVN;
    std::optional<ListSource> source;
    if (list == u"INFOMARQUE") {
        m_curMarque = platform::asciiUpper(value);
        source =
            newVehicleMakes ? ListSource{"VNMarks", {}, "vnMark", {}} : ListSource{"Marks", {}, "vMark", {}};
    } else if (list == u"INFOMODELE") {
        m_curModele = platform::asciiUpper(value);
        source = newVehicleModels ? ListSource{"VNModels", "vnMark", "vnModel", m_curMarque}
                                  : ListSource{"Models", "vMark", "vModel", m_curMarque};
    } else if (list == u"INFOTYPEVERSION") {
        source = {"VNVersions", "vnModel", "vnVers", m_curModele};
    } else if (list != u"IDCOM") {
        source = {"Pars", "type", "text", list};
    }
    if (source) {
        const ComboFill fill =
            FillComboList(s.XmlEquip, *source, value, choice.IndexMode, choice.IndexValue, desc.tControl);
        desc.EmptyFirst = fill.EmptyFirst;
        fillBox(box, fill.Items, fill.Selected);
    } else {
        LoadInfoNxComboBox(QStringLiteral("InfoCom"), box);
        SetInfoComboBoxIdCom(value, box);
    }
    s.FlagLoading = wasLoading;
}

void PickLists::LoadInfoNxComboBox(const QString& type, QComboBox* box) {
    if (const auto items = LoadInfoNxList(m_form.State.XmlEquip, type, m_form.State.CurrentSite))
        fillBox(box, *items, -1);
}

void PickLists::SetInfoComboBoxIdCom(const QString& idCom, QComboBox* box) {
    const QString name = StaffName(m_form.State.XmlEquip, idCom);
    for (int i = box->count() - 1; i >= 0; --i)
        if (box->itemText(i) == name) {
            box->setCurrentIndex(i);
            return;
        }
}

QString PickLists::GetInfoComboBoxIdCom(const QString& type, const QString& text) const {
    return lists::GetInfoComboBoxIdCom(m_form.State.XmlEquip, type, text);
}

void PickLists::UpdateCBox(QComboBox* box, const QString& key, const QString& itemTag, const QString& keyTag,
                           const QString& item) {
    if (!box || platform::Tag(box) == 0) return;
    const auto items = DependentList(m_form.State.XmlEquip, {item, keyTag, itemTag, {}}, key);
    if (!items) return;
    box->setEditText(QString());
    fillBox(box, *items, -1);
}

void PickLists::UpdateVersion(QWidget* memo, QComboBox* model, QComboBox* type) {
    if (!memo || !model || platform::Tag(model) == 0) return;
    auto& s = m_form.State;
    const auto loaded = [this](QComboBox* box) {
        const record::TsDesc* desc = descOf(box);
        return desc ? desc->OrigValue : QString();
    };
    const QString before = platform::ControlText(memo);
    QString version = UpdateVersionPart(before, s.LastInfoModele, loaded(model), model->currentText(), false);
    if (type && platform::Tag(type) != 0)
        version = UpdateVersionPart(version, s.LastInfoTypeVersion, loaded(type), type->currentText(), true);
    if (version != before) platform::SetControlText(memo, version);
}

QWidget* PickLists::named(const QString& name) const {
    return m_form.findChild<QWidget*>(name);
}

} // namespace lists
