#include "fields/card_kind.h"

#include "cards/ik/ik_kind.h"
#include "cards/ok/ok_kind.h"
#include "cards/okd/okd_kind.h"
#include "cards/rk/rk_kind.h"
#include "fields/card_model.h"

const CardKind &cardKind(CardType type)
{
    static const RkKind rk;
    static const OkKind ok;
    static const IkKind ik;
    static const OkdKind okd;
    switch (type) {
    case CardType::RK:
        return rk;
    case CardType::OK:
        return ok;
    case CardType::IK:
        return ik;
    case CardType::OKD:
        break;
    }
    return okd;
}

const CardKind *cardKindById(const QString &id)
{
    for (CardType t : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD}) {
        if (cardKind(t).id().compare(id, Qt::CaseInsensitive) == 0)
            return &cardKind(t);
    }
    return nullptr;
}

QStringList CardKind::snapshotLines(const CardModel &model) const
{
    const std::unique_ptr<CardModel> copy = model.clone();
    if (!copy) {
        qWarning("the %ls card cannot be copied: it keeps no recovery copy", qUtf16Printable(id()));
        return {};
    }
    return fileLines(*copy);
}

bool CardKind::knowsCode(const QString &code) const
{
    for (const FieldInfo &f : fields().fields()) {
        if (f.code == code)
            return true;
    }
    return false;
}
