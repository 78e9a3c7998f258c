#pragma once

// Throws the list index error when Index lies outside 0..Limit-1.
void CheckListIndex(int Index, int Limit);
