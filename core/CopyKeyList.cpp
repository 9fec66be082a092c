#include "core/CopyKeyList.h"

#include <stdlib.h>
#include <string.h>

void InitCopyKey(CopyKey* key) {
    memset(key, 0, sizeof(*key));
    key->Kind = CopyKindText;
    key->Width = 32;
    key->Height = 32;
}

static CopyKey* NodeAt(CopyKeyList* list, int index) {
    if (index < 0)
        return nullptr;
    CopyKey* node = *list;
    for (int i = 0; node && i < index; i++)
        node = node->Next;
    return node;
}

int GetCopyKey(CopyKeyList* list, int index, CopyKey* out) {
    CopyKey* node = NodeAt(list, index);
    if (!node) {
        // What a miss looks like: an empty text key of 1 x 1.
        memset(out, 0, sizeof(*out));
        out->Width = 1;
        out->Height = 1;
        return 0;
    }
    *out = *node;
    out->Next = nullptr;
    return 1;
}

int SetCopyKeyFields(CopyKeyList* list, int index, int mask, const CopyKey* in) {
    CopyKey* node = NodeAt(list, index);
    if (!node)
        return 0;
    if (mask & CopyFieldKind)
        node->Kind = in->Kind;
    if (mask & CopyFieldFormat)
        memcpy(node->Format, in->Format, sizeof(node->Format));
    if (mask & CopyFieldWidth)
        node->Width = in->Width;
    if (mask & CopyFieldHeight)
        node->Height = in->Height;
    if (mask & CopyFieldInvert)
        node->Invert = in->Invert;
    if (mask & CopyFieldGradient)
        node->Gradient = in->Gradient;
    if (mask & CopyFieldShortcutKey)
        node->ShortcutKey = in->ShortcutKey;
    if (mask & CopyFieldHotkey)
        node->Hotkey = in->Hotkey;
    if (mask & CopyFieldHotkeyId)
        node->HotkeyId = in->HotkeyId;
    return 1;
}

int InsertCopyKey(CopyKeyList* list, int index, const CopyKey* in) {
    CopyKey* node = (CopyKey*)malloc(sizeof(CopyKey));
    if (!node)
        return 0;
    *node = *in;
    node->Format[TextFieldSize - 1] = 0;
    node->Next = nullptr;

    // A negative index, or one at or past the end, appends.
    CopyKey** link = list;
    for (int i = 0; *link && (index < 0 || i < index); i++)
        link = &(*link)->Next;
    node->Next = *link;
    *link = node;
    return 1;
}

int CountCopyKeys(CopyKeyList* list) {
    int n = 0;
    for (CopyKey* node = *list; node; node = node->Next)
        n++;
    return n;
}

int ClearCopyKeys(CopyKeyList* list) {
    CopyKey* node = *list;
    while (node) {
        CopyKey* next = node->Next;
        free(node);
        node = next;
    }
    *list = nullptr;
    return 1;
}

int RemoveCopyKeyAt(CopyKeyList* list, int index) {
    if (index < 0)
        return 0;
    CopyKey** link = list;
    for (int i = 0; *link && i < index; i++)
        link = &(*link)->Next;
    CopyKey* node = *link;
    if (!node)
        return 0;
    *link = node->Next;
    free(node);
    return 1;
}

int MoveCopyKey(CopyKeyList* list, int from, int to) {
    // 64-bit neighbours: any int may come in, INT_MAX and INT_MIN too.
    if (to == from || (long long)to == (long long)from + 1)
        return 0;

    // One walk: the length, and the element before index `to` (counted in
    // the order before the move). A `to` outside the list inserts at the end.
    int n = 0;
    CopyKey* before = nullptr;
    CopyKey* last = nullptr;
    for (CopyKey* node = *list; node; node = node->Next) {
        if ((long long)n == (long long)to - 1)
            before = node;
        last = node;
        n++;
    }
    bool toInside = to >= 0 && to < n;
    if (!toInside)
        before = last;
    if (n == 0 || from < 0 || from >= n)
        return 0;
    if (from == n - 1 && !toInside)
        return 0;

    CopyKey** link = list;
    for (int i = 0; i < from; i++)
        link = &(*link)->Next;
    CopyKey* moving = *link;
    *link = moving->Next;

    if (toInside && to == 0) {
        moving->Next = *list;
        *list = moving;
    } else {
        moving->Next = before->Next;
        before->Next = moving;
    }
    return 1;
}

int RecountCopyKeys(Settings* s, CopyKeyList* list) {
    s->CopyKeyCount = CountCopyKeys(list);
    return s->CopyKeyCount;
}
