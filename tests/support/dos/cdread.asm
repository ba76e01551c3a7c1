; A DOS stand-in (COM image) for a game that needs its CD: copies D:\GP2CD.TXT (up to 512
; bytes) to FROMCD.TXT in the current folder. Nothing is written when D: has no such file.
    org 0x100
    mov ax, 0x3D00          ; open for reading
    mov dx, source
    int 0x21
    jc done
    mov bx, ax
    mov ah, 0x3F
    mov cx, 512
    mov dx, buffer
    int 0x21
    jc done
    mov [count], ax
    mov ah, 0x3E
    int 0x21
    mov ah, 0x3C
    xor cx, cx
    mov dx, target
    int 0x21
    jc done
    mov bx, ax
    mov ah, 0x40
    mov cx, [count]
    mov dx, buffer
    int 0x21
    mov ah, 0x3E
    int 0x21
done:
    mov ax, 0x4C00
    int 0x21
source: db 'D:\GP2CD.TXT', 0
target: db 'FROMCD.TXT', 0
count: dw 0
buffer:
