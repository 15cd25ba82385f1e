;--------------------------------------------
; Sum of a block of bytes, 16-bit result
; Length at 4200H, data from 4201H
; Result: low byte in 4300H, high byte in 4301H
;--------------------------------------------
	org	4000h
	lxi	h, 4200		; length of the block
	mov	c, m
	mvi	a, 0		; low byte of the sum
	mov	b, a		; high byte of the sum
loop:	inx	h
	add	m
	jnc	skip		; no carry, high byte unchanged
	inr	b
skip:	dcr	c
	jnz	loop
	sta	4300
	mov	a, b
	sta	4301
	hlt

	org	4200h
	db	6			; six numbers follow
	db	0F0h, 20h, 0FFh, 01h, 80h, 7Fh
	end
