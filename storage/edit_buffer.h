#pragma once
// The values a table recordset holds between addNew()/edit() and update(): by column, in
// the stored form, and whether they make a new row or change the current one.
#include "storage/engine_sqlite.h"

#include <QMap>
#include <QVariant>

namespace engine_detail {

class EditBuffer final {
public:
    enum class Mode { None, Add, Edit };

    // Starts a new row or an edit of the current one, with no value set.
    void start(Mode mode) {
        mode_ = mode;
        values_.clear();
    }
    // Drops what was set; nothing is being edited afterwards.
    void clear() { start(Mode::None); }
    // UpdateWithoutEdit when neither addNew() nor edit() started one.
    void requireStarted() const {
        if (mode_ == Mode::None)
            fail(dberr::UpdateWithoutEdit,
                 QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    }

    Mode mode() const { return mode_; }
    void set(int column, const QVariant& stored) { values_.insert(column, stored); }
    bool holds(int column) const { return mode_ != Mode::None && values_.contains(column); }
    QVariant value(int column) const { return values_.value(column); }
    const QMap<int, QVariant>& values() const { return values_; }

private:
    Mode mode_ = Mode::None;
    QMap<int, QVariant> values_; // column → stored value set since addNew/edit
};

} // namespace engine_detail
