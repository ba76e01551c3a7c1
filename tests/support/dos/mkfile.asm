; A DOS stand-in (MZ program) that creates an empty file named by its first argument.
%include "mz.inc"
MZ_HEADER
    mov si, 0x81            ; DS is the program segment prefix: the tail is at 0x81
skip:
    cmp byte [si], ' '
    jne first
    inc si
    jmp skip
first:
    mov di, si
find_end:
    mov al, [di]
    cmp al, ' '
    je found
    cmp al, 13
    je found
    inc di
    jmp find_end
found:
    mov byte [di], 0
    cmp di, si
    je done                 ; no argument
    mov ah, 0x3C
    xor cx, cx
    mov dx, si
    int 0x21
    jc done
    mov bx, ax
    mov ah, 0x3E
    int 0x21
done:
    mov ax, 0x4C00
    int 0x21
MZ_END
