#include "engine/foundation/olist.h"

olist_elem* OlistCreate() { return new olist_elem{nullptr}; }

void OlistDestroy(olist_elem* head) { delete head; }

void OlistInit(olist_elem* head) { head->next = nullptr; }

olist_elem* OlistNext(olist_elem* pos) { return pos->next; }

olist_elem* OlistElem(olist_elem* pos) { return pos->next; }

bool OlistEmpty(olist_elem* pos) { return pos->next == nullptr; }

void OlistInsert(olist_elem* pos, olist_elem* e) {
    e->next = pos->next;
    pos->next = e;
}

olist_elem* OlistRemove(olist_elem* pos) {
    olist_elem* removed = pos->next;
    if (removed != nullptr) pos->next = removed->next;
    return removed;
}

olist_elem* OlistInsertPoint(olist_elem* head, olist_elem* e, OlistCompare cmp, bool* found) {
    olist_elem* pos = head;
    while (pos->next != nullptr) {
        int order = cmp(e, reinterpret_cast<char*>(pos->next));
        if (order <= 0) {
            *found = (order == 0);
            return pos;
        }
        pos = pos->next;
    }
    *found = false;
    return pos;
}
