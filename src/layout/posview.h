// The Layout view: the selected slot's animation with its collision box.
#pragma once

void pos_update();
void pos_control();
// Marks every peg unused (start-up).
void peg_init();
// Binds the pegs to the selected slot's box.
void peg_item();
