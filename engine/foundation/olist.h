#pragma once
// Intrusive singly linked list kept in ascending order.  An element is any
// record whose first member is an olist_elem, the link to the next element
// (null at the end); a list is one head link.  Positions are links: the
// operations look at or change the element that a given link points to.

struct olist_elem {
    olist_elem* next;
};

// Compares the element being placed with a listed one: <0, 0 or >0.
using OlistCompare = int (*)(olist_elem* placed, char* listed);

// A new empty list on the heap; OlistDestroy frees it (never the elements).
olist_elem* OlistCreate();
void OlistDestroy(olist_elem* head);
void OlistInit(olist_elem* head);

// The element the link at pos points to (null at the end).
olist_elem* OlistNext(olist_elem* pos);
olist_elem* OlistElem(olist_elem* pos);
bool OlistEmpty(olist_elem* pos);

// Links e in at pos; e takes over pos's old successor.
void OlistInsert(olist_elem* pos, olist_elem* e);
// Unlinks and returns the element pos links to; null when there is none.
olist_elem* OlistRemove(olist_elem* pos);

// The link at which e belongs: the one pointing to the first element x with
// cmp(e, x) <= 0, with *found telling whether x compares equal; at the end of
// the list the last (null) link, with *found false.
olist_elem* OlistInsertPoint(olist_elem* head, olist_elem* e, OlistCompare cmp, bool* found);
