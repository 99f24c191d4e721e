#include "editors/FieldModel.h"

const Field* PageTable::FindField(const std::string& name) const {
    for (const Field& field : fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

const GroupHooks* PageTable::HooksOf(const std::string& group) const {
    for (const GroupHooks& entry : hooks) {
        if (entry.group == group) {
            return &entry;
        }
    }
    return nullptr;
}

std::vector<const Field*> PageTable::GroupFields(const std::string& group) const {
    std::vector<const Field*> members;
    for (const Field& field : fields) {
        if (!field.IsShownOnly() && field.group == group) {
            members.push_back(&field);
        }
    }
    return members;
}

const PageTable* EditorFamily::PageByNumber(int pageNumber) const {
    std::vector<const PageTable*> all{basePage};
    all.insert(all.end(), mixingPages.begin(), mixingPages.end());
    all.insert(all.end(), otherPages.begin(), otherPages.end());
    for (const PageTable* page : all) {
        if (page != nullptr && page->pageNumber == pageNumber) {
            return page;
        }
    }
    return nullptr;
}

std::vector<const PageTable*> EditorFamily::PagesForModel(ConstModelRecord record) const {
    std::vector<const PageTable*> pages{basePage};
    if (mixingPageOf != nullptr) {
        if (const PageTable* mixing = PageByNumber(mixingPageOf(record))) {
            pages.push_back(mixing);
        }
    }
    pages.insert(pages.end(), otherPages.begin(), otherPages.end());
    return pages;
}

bool IsFieldShown(const Field& field, ConstModelRecord record) {
    for (FieldRule rule : field.shownIf) {
        if (!rule(record, field)) {
            return false;
        }
    }
    return true;
}

bool IsFieldEnabled(const Field& field, ConstModelRecord record) {
    for (FieldRule rule : field.enabledIf) {
        if (!rule(record, field)) {
            return false;
        }
    }
    return true;
}

std::string CaptionOf(const Field& field, ConstModelRecord record) {
    return field.caption != nullptr ? field.caption(record, field) : field.name;
}
