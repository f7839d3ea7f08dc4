#pragma once

// "Verify after write" is the user's own choice, kept between runs with the
// window's position; off until the user turns it on.
bool VerifyAfterWrite();
void SetVerifyAfterWrite(bool on);
