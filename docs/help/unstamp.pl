# perl unstamp.pl <file.chm>: zeroes the two times chmcmd stamps into a help file, in the
# ITSF header and in the #SYSTEM file's record 10, so the same pages give the same bytes.
local $/;
open my $in, '<:raw', $ARGV[0] or die "$ARGV[0]: $!";
my $chm = <$in>;
close $in;
substr($chm, 16, 4) = "\0" x 4;
$chm =~ s/\x03\0\0\0\x0a\0\x04\0\K..../\0\0\0\0/s or die "no #SYSTEM time in $ARGV[0]\n";
open my $out, '>:raw', $ARGV[0] or die "$ARGV[0]: $!";
print $out $chm;
