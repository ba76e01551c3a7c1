; A DOS stand-in (COM image) for the lap timer: writes gp2lap.log into the current folder, the
; game folder, with one practice lap on slot 3.
    org 0x100
    mov ah, 0x3C
    xor cx, cx
    mov dx, name
    int 0x21
    jc done
    mov bx, ax
    mov ah, 0x40
    mov cx, log_end - log
    mov dx, log
    int 0x21
    mov ah, 0x3E
    int 0x21
done:
    mov ax, 0x4C00
    int 0x21
name: db 'GP2LAP.LOG', 0
log:
    db 'Track 03 loaded from slot file F1CT03.DAT', 13, 10
    db 'Country: San Marino', 13, 10
    db 'Mode: Unlimited practice', 13, 10
    db '  Lap 1, time 1:22.333', 13, 10
log_end:
