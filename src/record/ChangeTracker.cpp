#include "ChangeTracker.h"

#include "app/AxGarvex.h"
#include "platform/Controls.h"
#include "platform/Widgets.h"
#include "record/PageStatement.h"
#include "record/RecordLock.h"

#include <QLabel>
#include <QPushButton>

namespace record {

void TChangeTracker::EditChange(QWidget* sender) {
    if (!m_lock.GoTestVerrou()) return;
    const int tag = platform::Tag(sender);
    if (tag == 0) return;
    const int page = PageOfTag(tag);
    const int index = IndexOfTag(tag);
    if (page < 0 || page > 9) return;
    TsPage& p = F.State.Pages[page];
    if (index >= int(p.Descs.size()) || !p.Descs[index].ValueControl) return;
    TsDesc& desc = p.Descs[index];
    QString text = platform::ControlText(desc.ValueControl);
    if (desc.tInfo == 1 && text == platform::TDatePicker::EmptyText) text.clear();
    desc.CurValue = text;
    TestPageUpdate(page);
}

bool TChangeTracker::TestPageUpdate(int page) {
    app::FormState& s = F.State;
    if (s.FlagLoading || page < 0 || page > 9) return false;
    TsPage& p = s.Pages[page];
    StatementContext context;
    context.Page = page;
    context.Insert = s.FlagNewEnreg || (s.FlagNewVehicle && page == 8);
    if (context.Insert && s.RecordTypeVO.isEmpty())
        s.RecordTypeVO = s.idTypeVO == 0 ? QStringLiteral("1") : QString::number(s.idTypeVO);
    context.KindLabel = KindLabel(s.RecordKind);
    context.RecordTypeVO = s.RecordTypeVO;
    context.idClient = s.idClient;
    context.idUser = s.idUser;
    context.UserConcession = s.UserConcession;
    p.PendingSql = BuildPageStatement(s.Pages, context);
    const bool changed = !p.PendingSql.isEmpty();
    F.LbDebugInfo2->setText(p.PendingSql);
    F.JvXPBtnSave->setEnabled(changed);
    F.JvXPBtnNewVO->setEnabled(!changed);
    return changed;
}

} // namespace record
