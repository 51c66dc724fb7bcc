#!/usr/bin/perl
# Every instruction in the exe runs on a Pentium or an AMD K6 (HACKING.md lists what does not),
# each one found named with the function and object the link map places there; and every
# list of code the linker fills to run at start or exit is one the entry point runs.
#   check_i586.pl <objdump> <exe> <link map>
use strict; use warnings;
my ($objdump, $exe, $map) = @ARGV;

# The map's input sections (address, size, object, name) and symbols, past its preamble.
my (@sections, @symbols, $ctors, $text_end, $pending);
open my $m, '<', $map or die "cannot read $map: $!\n";
while (<$m>) { last if /^Linker script and memory map/ }
while (<$m>) {
    chomp;
    if (/^\.text\s+0x(\w+)\s+0x(\w+)/) { $text_end = hex($1) + hex($2) }
    elsif (/^\s+0x(\w+)\s+_*CTOR_LIST__ = \./) { $ctors //= hex $1 }
    elsif (/^ (\.\S+)$/) { $pending = $1; next }
    elsif (/^ (\.\S+)\s+0x(\w+)\s+0x(\w+)\s+(\S.*)$/) { push @sections, [hex $2, hex $3, $4, $1] }
    elsif (defined $pending && /^\s+0x(\w+)\s+0x(\w+)\s+(\S.*)$/) {
        push @sections, [hex $1, hex $2, $3, $pending];
    } elsif (/^\s+0x(\w+)\s+([^\s0=][^=]*)$/) { push @symbols, [hex $1, $2] }
    undef $pending;
}
die "no memory map in $map\n" unless @sections && $text_end;
# The entry point runs the constructor list alone: another list would be skipped without a word,
# GCC's own or the MSVC kind a library object may bring (initializers, terminators, TLS
# callbacks, thread-local data).
my $unrun = qr/^\.(?:dtors|init_array|fini_array|CRT\$X[ICPTL]|tls(?:\$|$))/;
my @unrun = grep { $_->[3] =~ $unrun && $_->[1] } @sections;
print "a list the entry point does not run: $_->[3] from $_->[2]\n" for @unrun;
@symbols = sort { $a->[0] <=> $b->[0] } @symbols;

sub where {
    my ($at) = @_;
    my ($s) = grep { $_->[0] <= $at && $at < $_->[0] + $_->[1] } @sections or return 'nothing the map names';
    my ($symbol) = map { $_->[1] } grep { $_->[0] >= $s->[0] && $_->[0] <= $at } reverse @symbols;
    (my $object = $s->[2]) =~ s{.*/}{};
    return ($symbol // $s->[3]) . " ($object)";
}

my $newer = qr/^(?:f?cmov|fu?comip?$|sysenter|sysexit|rdpmc|fxsave|fxrstor|fisttp|f?emms|
    [lsm]fence|prefetch|clflush|movnti|[ls]dmxcsr|stmxcsr|popcnt|lzcnt|tzcnt|movbe|crc32|endbr|
    andn|bextr|blsi|blsmsk|blsr|bzhi|mulx|pdep|pext|rorx|sarx|shlx|shrx|adcx|adox|
    rdrand|rdseed|rdtscp)/x;
my ($count, @found) = (0);
open my $d, '-|', $objdump, '-d', '-w', $exe or die "cannot run $objdump: $!\n";
while (<$d>) {
    next unless /^\s*(\w+):\t((?:\w\w )+)\s*\t(\S+)\s*(.*)$/;
    my ($at, $bytes, $mnemonic, $operands) = (hex $1, $2, $3, $4);
    # The constructor and destructor lists at the end of .text are data, not code.
    next if defined $ctors && $at >= $ctors && $at < $text_end;
    $count++;
    (my $opcode = $bytes) =~ s/^(?:(?:66|67|f0|f2|f3|2e|3e|26|36|64|65) )+//;
    push @found, sprintf "%-8s at 0x%08x in %s", $mnemonic, $at, where($at)
        if $mnemonic =~ $newer || $operands =~ /%[xyz]?mm\d/ || $opcode =~ /^0f 1[89a-f] /;
}
close $d or die "$objdump failed on $exe\n";
die "no instructions read from $exe\n" unless $count;
print "i586: all $count instructions\n" and exit !!@unrun unless @found;
print "newer than the i586, so it would stop a Pentium or a K6: ", scalar @found, "\n",
    map { "  $_\n" } @found;
exit 1;
