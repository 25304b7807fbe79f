#pragma once

// How many objects an action of a type can name one by one: 3072 scenes, 512 programs,
// 512 delays, 128 sequences, 256 masks, 68 states. Enabling and Save show name no object
// (their number is 0), and so does a type the controller does not know: 1 for them.
int actionObjectCount(int type);
