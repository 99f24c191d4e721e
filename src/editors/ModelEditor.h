#pragma once

#include <optional>
#include <set>
#include <string>

#include "common/Result.h"
#include "dataset/CamPacData.h"
#include "editors/FieldModel.h"

// The edit mode of a data set's editor pages: the working copies of the models are
// changed group by group while it is open, and go into the image on apply or are
// reloaded from it on revert.
class ModelEditor {
  public:
    ModelEditor(CamPacData& data, const EditorFamily& family) : data_(data), family_(family) {}

    bool Editing() const { return editing_; }
    // "Editieren" ticked: edit mode on, the data set marked as being edited.
    void StartEditing();

    // The field commit of a page: outside edit mode nothing is written (the page shows
    // the stored values again, after text 230 where the group's policy says so); otherwise
    // the group is committed into the model's slot. A refusal is returned and marks the
    // page's input as refused until its next commit; a warning of the group's after-write
    // step is handed back in `warning`.
    Status Commit(const PageTable& page, int model, const std::string& group,
                  const GroupInput& input, std::optional<Message>* warning = nullptr);
    bool InputRejected(int pageNumber) const { return rejectedPages_.count(pageNumber) > 0; }

    // Writes every slot back into the image and closes edit mode; refused (text 229, edit
    // mode stays open) while the base page's last input was refused.
    Status Apply();
    // Reloads every slot from the image and closes edit mode; the data set is marked as it
    // was before edit mode began.
    void Revert(const TransmitterCatalogue& catalogue);

    ModelRecord Record(int model);
    const EditorFamily& family() const { return family_; }

  private:
    void Close();

    CamPacData& data_;
    const EditorFamily& family_;
    bool editing_ = false;
    DataSetState stateBeforeEditing_ = DataSetState::Unchanged;
    std::set<int> rejectedPages_;
};
