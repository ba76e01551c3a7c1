; A DOS stand-in (COM image) that appends its command tail, as DOS handed it over, and a line
; end to TAIL.TXT in the current folder: one line a run.
    org 0x100
    mov ax, 0x3D01          ; open for writing
    mov dx, name
    int 0x21
    jnc opened
    mov ah, 0x3C            ; not there yet: create it
    xor cx, cx
    int 0x21
    jc done
opened:
    mov bx, ax
    mov ax, 0x4202          ; to the end
    xor cx, cx
    xor dx, dx
    int 0x21
    mov ah, 0x40
    xor cx, cx
    mov cl, [0x80]          ; the tail's length
    mov dx, 0x81
    int 0x21
    mov ah, 0x40
    mov cx, 2
    mov dx, line_end
    int 0x21
    mov ah, 0x3E
    int 0x21
done:
    mov ax, 0x4C00
    int 0x21
name: db 'TAIL.TXT', 0
line_end: db 13, 10
