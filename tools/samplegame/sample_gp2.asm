; The program at the start of the sample game's GP2.EXE: says what it is and waits for a key,
; so starting the sample game shows the launch working.
%include "mz.inc"
MZ_HEADER
    push cs
    pop ds
    mov dx, text
    mov ah, 0x09
    int 0x21
    mov ah, 0x08            ; a key, without echo
    int 0x21
    mov ax, 0x4C00
    int 0x21
text:
    db "This is Pistaro's sample game: a stand-in for GP2.EXE, no game in it.", 13, 10
    db "Press a key to go back to Pistaro.", 13, 10, '$'
MZ_END
