// The peg table and the collision boxes it edits.
#include "peg.h"

#include <allegro.h>

#include "spriteedit.h"
#include "wrap32.h"

PEG peg[PEG_MAX];
int pegged = -1;
int pox = 0, poy = 0;
int my_sprite_cr[16];
int my_sprite_cb[16];

namespace {
// The record and slot the pegs were last bound to by peg_item.
const ZQ_SPRITE *bound_sprite = nullptr;
int bound_slot = -1;

// A handle sits 30 pixels right of and below its bound value: the view draws
// frame pixel v at v + 32, and the 5 x 5 handle is centred on it.
constexpr int handle_shift = 30;

bool valid_slot(int slot) { return my_sprite && slot >= 0 && slot < ZQ_SPRITE_SLOTS; }
} // namespace

void clear_pegs()
{
    for (PEG &p : peg) {
        p.xp = nullptr;
        p.yp = nullptr;
        p.used = 0;
    }
}

void peg_init()
{
    clear_pegs();
    pegged = -1;
    bound_sprite = nullptr;
    bound_slot = -1;
}

int add_peg(int *xp, int *yp, int xoff, int yoff)
{
    for (int i = 0; i < PEG_MAX; ++i) {
        PEG &p = peg[i];
        if (p.used)
            continue;
        p.x = wrap32(static_cast<long long>(xp ? *xp : 0) + xoff + handle_shift);
        p.y = wrap32(static_cast<long long>(yp ? *yp : 0) + yoff + handle_shift);
        p.w = 5;
        p.h = 5;
        p.xoff = xoff;
        p.yoff = yoff;
        p.xp = xp;
        p.yp = yp;
        p.used = 1;
        return i;
    }
    return -1;
}

void peg_item()
{
    clear_pegs();
    pegged = -1;
    bound_sprite = nullptr;
    bound_slot = -1;
    if (!my_sprite)
        return;
    if (!valid_slot(selected_state))
        selected_state = 0;
    const int s = selected_state;
    cw2cr(s);
    add_peg(&my_sprite->cx[s], &my_sprite->cy[s], 0, 0);
    add_peg(&my_sprite_cr[s], &my_sprite_cb[s], 0, 0);
    bound_sprite = my_sprite;
    bound_slot = s;
}

void peg_follow_selection()
{
    if (!peg[0].used || bound_sprite != my_sprite || bound_slot != selected_state)
        peg_item();
}

void cw2cr(int slot)
{
    if (!valid_slot(slot))
        return;
    my_sprite_cr[slot] = wrap32(static_cast<long long>(my_sprite->cw[slot]) + my_sprite->cx[slot] - 1);
    my_sprite_cb[slot] = wrap32(static_cast<long long>(my_sprite->ch[slot]) + my_sprite->cy[slot] - 1);
}

void cr2cw(int slot)
{
    if (!valid_slot(slot))
        return;
    my_sprite->cw[slot] = wrap32(static_cast<long long>(my_sprite_cr[slot]) - my_sprite->cx[slot] + 1);
    my_sprite->ch[slot] = wrap32(static_cast<long long>(my_sprite_cb[slot]) - my_sprite->cy[slot] + 1);
}

void update_tables()
{
    // Left Ctrl alone keeps the edit to the selected slot.
    if (key[KEY_LCONTROL] || !valid_slot(selected_state))
        return;
    const int s = selected_state;
    for (int i = 0; i < ZQ_SPRITE_SLOTS; ++i) {
        my_sprite->cx[i] = my_sprite->cx[s];
        my_sprite->cy[i] = my_sprite->cy[s];
        my_sprite->cw[i] = my_sprite->cw[s];
        my_sprite->ch[i] = my_sprite->ch[s];
    }
}

int peg_at(int x, int y)
{
    for (int i = 0; i < PEG_MAX; ++i) {
        const PEG &p = peg[i];
        // Strict on all four sides: only the inner 3 x 3 of the 5 x 5 handle
        // catches the pointer.
        const long long px = p.x, py = p.y;
        if (p.used && px < x && x < px + p.w - 1 && py < y && y < py + p.h - 1)
            return i;
    }
    return -1;
}
