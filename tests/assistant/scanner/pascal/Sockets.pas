unit Sockets;

{ One block after the other, each with its own clause. }

interface

procedure Open(N: Integer);

implementation

{$IFDEF X}
uses SysUtils, Channels;
{$ENDIF}
{$IFDEF Y}
uses Classes, Channels;
{$ENDIF}
{$IF NOT DEFINED(X) AND NOT DEFINED(Y)}
uses Channels;
{$IFEND}

procedure Open(N: Integer);
begin
  Send(N);
end;

end.
